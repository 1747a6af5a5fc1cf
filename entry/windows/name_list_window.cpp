#include "entry/windows/name_list_window.h"
#include "shell/windows/exception_reporter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvella {
namespace {

constexpr int kШирина_номера = 30;
const QColor kЖёлтый(0xF2, 0xDD, 0x5F);
const QColor kОранжевый(0xFC, 0xB9, 0x3B);

// The list grids' cells: yellow, the current one orange, text 5 px from the left
// and 2 from the top.
class Рисование_списка : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* кисть, const QStyleOptionViewItem& вид,
             const QModelIndex& ячейка) const override {
    кисть->save();
    const auto* таблица = qobject_cast<const QAbstractItemView*>(parent());
    const bool текущая = таблица && таблица->currentIndex() == ячейка;
    кисть->fillRect(вид.rect, текущая ? kОранжевый : kЖёлтый);
    кисть->setPen(вид.palette.color(QPalette::Text));
    кисть->drawText(вид.rect.adjusted(5, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop,
                    ячейка.data().toString());
    кисть->restore();
  }
};

}  // namespace

void Таблица_имён::Завершить_правку() {
  if (state() != QAbstractItemView::EditingState) return;
  QWidget* редактор = QApplication::focusWidget();
  while (редактор && редактор->parentWidget() != viewport()) редактор = редактор->parentWidget();
  if (редактор == nullptr) return;
  commitData(редактор);
  closeEditor(редактор, QAbstractItemDelegate::NoHint);
}

Окно_списка_имён::Окно_списка_имён(std::unique_ptr<Модель_шага> модель, QWidget* родитель,
                                   Описание описание)
    : Окно_шага(std::move(модель), родитель), описание_(описание) {}

void Окно_списка_имён::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  надпись_ = new QLabel(область);
  надпись_->setObjectName(описание_.надпись);
  поле_ = new QLineEdit(область);
  поле_->setObjectName(описание_.поле);
  поле_->setMaxLength(2);
  поле_->setFixedWidth(40);
  поле_->installEventFilter(this);
  // Paste and cut reach the model too; what it refuses is taken back.
  connect(поле_, &QLineEdit::textEdited, this, Обработчик([this](const QString& текст) {
            if (!Установить_поле(текст.toStdString()))
              поле_->setText(QString::fromStdString(Текст_поля()));
          }));
  auto* ряд = new QHBoxLayout;
  ряд->addWidget(надпись_);
  ряд->addWidget(поле_);
  ряд->addStretch(1);
  столбец->addLayout(ряд);

  таблица_ = new Таблица_имён(область);
  таблица_->setObjectName(описание_.таблица);
  таблица_->setColumnCount(1);
  таблица_->setColumnWidth(0, описание_.ширина_имени);
  таблица_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  таблица_->verticalHeader()->setFixedWidth(kШирина_номера);
  таблица_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  таблица_->verticalHeader()->setDefaultSectionSize(22);
  таблица_->setSelectionMode(QAbstractItemView::SingleSelection);
  таблица_->setItemDelegate(new Рисование_списка(таблица_));
  connect(таблица_, &QTableWidget::itemChanged, this, Обработчик([this](QTableWidgetItem* ячейка) {
            if (!загрузка_) Изменить(ячейка->row() + 1, ячейка->text().toStdString());
          }));
  connect(таблица_, &QTableWidget::currentCellChanged, this,
          Обработчик([this] { таблица_->viewport()->update(); }));
  столбец->addWidget(таблица_, 1);
  таблица_->setMinimumWidth(kШирина_номера + описание_.ширина_имени + 24);
  resize(kШирина_номера + описание_.ширина_имени + 200, 480);
}

void Окно_списка_имён::Заполнить_таблицу() {
  загрузка_ = true;
  таблица_->setHorizontalHeaderLabels({QString::fromStdString(Ячейка(0, 1))});
  таблица_->setRowCount(Строк() - 1);
  QStringList подписи;
  for (int r = 1; r < Строк(); ++r) {
    подписи << QString::fromStdString(Ячейка(r, 0));
    таблица_->setItem(r - 1, 0, new QTableWidgetItem(QString::fromStdString(Ячейка(r, 1))));
  }
  таблица_->setVerticalHeaderLabels(подписи);
  загрузка_ = false;
}

void Окно_списка_имён::Загрузить_из_модели() {
  надпись_->setText(QString::fromStdString(Текст_надписи()));
  поле_->setText(QString::fromStdString(Текст_поля()));
  Заполнить_таблицу();
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, 0);
}

void Окно_списка_имён::Передать_в_модель() {
  // An open cell editor still holds its text.
  таблица_->Завершить_правку();
  Установить_поле(поле_->text().toStdString());
}

void Окно_списка_имён::Разрешить_ввод(bool можно) {
  поле_->setEnabled(можно);
  таблица_->setEnabled(можно);
}

QWidget* Окно_списка_имён::Начальный_фокус() {
  return поле_->isEnabled() ? static_cast<QWidget*>(поле_)
                            : static_cast<QWidget*>(Кнопка_продолжить());
}

bool Окно_списка_имён::eventFilter(QObject* объект, QEvent* событие) {
  // A failure is reported and the event counts as not handled.
  bool обработано = false;
  Обработать_событие([&] {
    обработано = [&]() -> bool {
      if (объект == поле_ && событие->type() == QEvent::KeyPress) {
        auto* клавиша = static_cast<QKeyEvent*>(событие);
        if (клавиша->key() == Qt::Key_Return || клавиша->key() == Qt::Key_Enter) {
          // Enter belongs to the edit, not to the default button.
          Нажать_ввод_в_поле();
          return true;
        }
        const QString текст = клавиша->text();
        if (!текст.isEmpty() && текст[0].isPrint() && !текст[0].isDigit()) return true;
      }
      return Окно_шага::eventFilter(объект, событие);
    }();
  });
  return обработано;
}

void Окно_списка_имён::Нажать_ввод_в_поле() {
  Установить_поле(поле_->text().toStdString());
  const std::string фокус = Ввод_количества();
  поле_->setText(QString::fromStdString(Текст_поля()));
  Заполнить_таблицу();
  Выбрать_ячейку(таблица_, Текущая_строка(), 1);
  Фокус_на(фокус);
}

void Окно_списка_имён::Фокус_на(const std::string& элемент) {
  if (auto* в = findChild<QWidget*>(QString::fromStdString(элемент)))
    в->setFocus(Qt::OtherFocusReason);
}

void Окно_списка_имён::Показать_отказ(const Отказ& отказ) {
  // The model normalised the names and may have corrected the count.
  поле_->setText(QString::fromStdString(Текст_поля()));
  Заполнить_таблицу();
  Окно_шага::Показать_отказ(отказ);
}

void Окно_списка_имён::Выбрать_ячейку(QWidget*, int строка, int) {
  if (строка < 1 || строка > таблица_->rowCount()) return;
  таблица_->setCurrentCell(строка - 1, 0);
  таблица_->scrollToItem(таблица_->currentItem());
}

}  // namespace korvella
