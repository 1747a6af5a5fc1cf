#include "timetable/windows/first_lesson_bans_window.h"
#include "shell/windows/exception_reporter.h"

#include <QColor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvella {
namespace {

QColor Цвет(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The current row's ban cell carries an 18-pixel blue marker at its right end.
class Метка_текущей_строки : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* кисть, const QStyleOptionViewItem& вид,
             const QModelIndex& ячейка) const override {
    QStyledItemDelegate::paint(кисть, вид, ячейка);
    const auto* таблица = qobject_cast<const QTableWidget*>(parent());
    if (таблица == nullptr || ячейка.row() != таблица->currentRow()) return;
    кисть->save();
    QRect метка = вид.rect;
    метка.setLeft(метка.right() - 17);
    кисть->fillRect(метка, QColor(0, 0, 255));
    кисть->restore();
  }
};

// Enter on the grid acts like a double click.
class Ввод_в_таблице : public QObject {
 public:
  Ввод_в_таблице(TФорма_запреты_на_первый_урок* окно, QTableWidget* таблица)
      : QObject(таблица), окно_(окно), таблица_(таблица) {}
  bool eventFilter(QObject* объект, QEvent* событие) override {
    if (событие->type() == QEvent::KeyPress) {
      const int клавиша = static_cast<QKeyEvent*>(событие)->key();
      if ((клавиша == Qt::Key_Return || клавиша == Qt::Key_Enter) &&
          таблица_->currentColumn() == 2) {
        окно_->Переключить(таблица_->currentRow());
        return true;
      }
    }
    return QObject::eventFilter(объект, событие);
  }

 private:
  TФорма_запреты_на_первый_урок* окно_;
  QTableWidget* таблица_;
};

}  // namespace

TФорма_запреты_на_первый_урок::TФорма_запреты_на_первый_урок(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<Модель_запретов_на_первый_урок>(среда), родитель) {}

void TФорма_запреты_на_первый_урок::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  надпись_ = new QLabel(область);
  надпись_->setObjectName("Надпись_максимум_запретов");
  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(Модель_запретов_на_первый_урок::kТаблица);
  таблица_->setColumnCount(Модель_запретов_на_первый_урок::kСтолбцов);
  таблица_->verticalHeader()->hide();
  таблица_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  таблица_->setSelectionMode(QAbstractItemView::NoSelection);
  таблица_->setItemDelegateForColumn(2, new Метка_текущей_строки(таблица_));
  таблица_->installEventFilter(new Ввод_в_таблице(this, таблица_));
  int ширина = 0;
  for (int с = 0; с < Модель_запретов_на_первый_урок::kСтолбцов; ++с) {
    таблица_->setColumnWidth(с, Модель_запретов_на_первый_урок::Ширина_столбца(с));
    ширина += Модель_запретов_на_первый_урок::Ширина_столбца(с);
  }
  таблица_->setMinimumWidth(ширина + 24);
  connect(таблица_, &QTableWidget::cellDoubleClicked, this, Обработчик([this](int строка, int с) {
            if (с == 2) Переключить(строка);
          }));
  connect(таблица_, &QTableWidget::currentCellChanged, this,
          Обработчик([this](int строка, int, int прежняя, int) {
            Раскрасить_строку(прежняя);
            Раскрасить_строку(строка);
          }));
  столбец->addWidget(надпись_);
  столбец->addWidget(таблица_, 1);
  resize(ширина + 60, 480);
}

void TФорма_запреты_на_первый_урок::Загрузить_из_модели() {
  const auto& м = модель();
  надпись_->setText(QString::fromStdString(м.Надпись_максимум_запретов()));
  QStringList заголовки;
  for (int с = 0; с < Модель_запретов_на_первый_урок::kСтолбцов; ++с)
    заголовки << QString::fromStdString(м.Ячейка(0, с));
  таблица_->setHorizontalHeaderLabels(заголовки);
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 0; r + 1 < м.Строк(); ++r) {
    for (int с = 0; с < Модель_запретов_на_первый_урок::kСтолбцов; ++с)
      таблица_->setItem(r, с, new QTableWidgetItem(QString::fromStdString(м.Ячейка(r + 1, с))));
    Раскрасить_строку(r);
  }
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, 2);
}

void TФорма_запреты_на_первый_урок::Раскрасить_строку(int r) {
  if (r < 0 || r >= таблица_->rowCount()) return;
  if (QTableWidgetItem* ячейка = таблица_->item(r, 2))
    ячейка->setBackground(Цвет(модель().Цвет_ячейки(r + 1)));
  таблица_->viewport()->update();
}

void TФорма_запреты_на_первый_урок::Разрешить_ввод(bool можно) { таблица_->setEnabled(можно); }

QWidget* TФорма_запреты_на_первый_урок::Начальный_фокус() {
  return таблица_->isEnabled() ? static_cast<QWidget*>(таблица_) : Кнопка_продолжить();
}

void TФорма_запреты_на_первый_урок::Переключить(int строка_вида) {
  const bool фокус = модель().Переключить_запрет(строка_вида + 1);
  Раскрасить_строку(строка_вида);
  if (фокус) таблица_->setFocus(Qt::OtherFocusReason);
}

}  // namespace korvella
