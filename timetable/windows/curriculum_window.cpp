#include "timetable/windows/curriculum_window.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "shell/windows/exception_reporter.h"
#include "timetable/windows/curriculum_input_window.h"

namespace korvella {
namespace {

using М = Модель_учебного_плана;

QColor Цвет(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QString Текст(const std::string& т) { return QString::fromStdString(т); }

// Value cells in the model's colours, the text 5 px from the left and 2 from the top.
class Рисование_плана : public QStyledItemDelegate {
 public:
  Рисование_плана(М& модель, QObject* родитель) : QStyledItemDelegate(родитель), модель_(модель) {}
  void paint(QPainter* кисть, const QStyleOptionViewItem& вид,
             const QModelIndex& ячейка) const override {
    const auto ячейка_плана = модель_.Ячейка(Сетка_учебного_плана::Строка_модели(ячейка.row()),
                                             Сетка_учебного_плана::Столбец_модели(ячейка.column()));
    кисть->save();
    кисть->fillRect(вид.rect, Цвет(ячейка_плана.фон));
    кисть->setPen(ячейка_плана.белый_текст ? QColor(Qt::white) : вид.palette.color(QPalette::Text));
    кисть->drawText(вид.rect.adjusted(5, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop,
                    Текст(ячейка_плана.текст));
    кисть->restore();
  }

 private:
  М& модель_;
};

}  // namespace

Сетка_учебного_плана::Сетка_учебного_плана(М& модель, QWidget* родитель)
    : QTableWidget(родитель), модель_(модель) {
  setItemDelegate(new Рисование_плана(модель_, this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setDefaultSectionSize(М::Ширина_столбца(2));
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verticalHeader()->setDefaultSectionSize(22);
  verticalHeader()->setFixedWidth(М::Ширина_столбца(0) + М::Ширина_столбца(1));
  setCornerButtonEnabled(false);
  // The corner holds the captions of the two axes.
  if (auto* угол = findChild<QAbstractButton*>()) угол->installEventFilter(this);
  connect(this, &QTableWidget::currentCellChanged, this,
          Обработчик([this](int строка, int столбец) {
            if (строка >= 0 && столбец >= 0)
              модель_.Выбрать(Строка_модели(строка), Столбец_модели(столбец));
            viewport()->update();
          }));
  connect(this, &QTableWidget::cellDoubleClicked, this, Обработчик([this](int строка, int столбец) {
            if (при_открытии) при_открытии(Строка_модели(строка), Столбец_модели(столбец));
          }));
}

void Сетка_учебного_плана::Разложить() {
  const int строк = модель_.Строк() - 2, столбцов = модель_.Столбцов() - 2;
  clear();
  setRowCount(строк);
  setColumnCount(столбцов);
  for (int r = 0; r < строк; ++r)
    for (int c = 0; c < столбцов; ++c) setItem(r, c, new QTableWidgetItem);
  horizontalHeader()->setFixedHeight(2 * verticalHeader()->defaultSectionSize());
  Обновить();
}

void Сетка_учебного_плана::Обновить() {
  // A header shows both fixed cells of its line: rows 0 and 1 of a class column,
  // columns 0 and 1 of a subject row.
  QStringList классы, предметы;
  for (int c = 2; c < модель_.Столбцов(); ++c)
    классы << Текст(модель_.Ячейка(0, c).текст) + "\n" + Текст(модель_.Ячейка(1, c).текст);
  for (int r = 2; r < модель_.Строк(); ++r)
    предметы << Текст(модель_.Ячейка(r, 0).текст) + "  " + Текст(модель_.Ячейка(r, 1).текст);
  setHorizontalHeaderLabels(классы);
  setVerticalHeaderLabels(предметы);
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (auto* и = item(r, c))
        и->setText(Текст(модель_.Ячейка(Строка_модели(r), Столбец_модели(c)).текст));
  viewport()->update();
}

void Сетка_учебного_плана::keyPressEvent(QKeyEvent* событие) {
  Обработать_событие([&] {
    if ((событие->key() == Qt::Key_Return || событие->key() == Qt::Key_Enter) && при_открытии &&
        currentRow() >= 0 && currentColumn() >= 0) {
      при_открытии(Строка_модели(currentRow()), Столбец_модели(currentColumn()));
      return;
    }
    QTableWidget::keyPressEvent(событие);
  });
}

bool Сетка_учебного_плана::eventFilter(QObject* объект, QEvent* событие) {
  // A failure is reported and the event counts as not handled.
  bool обработано = false;
  Обработать_событие([&] {
    обработано = [&]() -> bool {
      auto* угол = qobject_cast<QAbstractButton*>(объект);
      if (угол && событие->type() == QEvent::Paint) {
        QStyleOptionHeader вид;
        вид.initFrom(угол);
        вид.rect = угол->rect();
        вид.state |= QStyle::State_Enabled;  // the button is disabled, its captions are not
        вид.text = Текст(модель_.Ячейка(0, 1).текст) + "\n" + Текст(модель_.Ячейка(1, 1).текст);
        вид.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        QPainter кисть(угол);
        угол->style()->drawControl(QStyle::CE_Header, &вид, &кисть, угол);
        return true;
      }
      return QTableWidget::eventFilter(объект, событие);
    }();
  });
  return обработано;
}

TФорма_нераспределенный_учебный_план::TФорма_нераспределенный_учебный_план(Среда& среда,
                                                                           QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

TФорма_нераспределенный_учебный_план::~TФорма_нераспределенный_учебный_план() = default;

void TФорма_нераспределенный_учебный_план::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  надпись_предела_ = new QLabel(область);
  надпись_предела_->setObjectName("Надпись_предельное_значение_нагрузки_учебного_плана");
  надпись_текущего_ = new QLabel(область);
  надпись_текущего_->setObjectName("Надпись_текущее_значение_нагрузки_учебного_плана");
  столбец->addWidget(надпись_предела_);
  столбец->addWidget(надпись_текущего_);
  таблица_ = new Сетка_учебного_плана(модель(), область);
  таблица_->setObjectName(М::kТаблица);
  таблица_->при_открытии = [this](int r, int c) { Открыть_ячейку(r, c); };
  столбец->addWidget(таблица_, 1);

  кнопка_очистить_ = new QPushButton("Очистить", this);
  кнопка_очистить_->setObjectName("Кнопка_очистить");
  // "Продолжить", "Очистить", "Закончить".
  Ряд_кнопок()->insertWidget(2, кнопка_очистить_);
  connect(кнопка_очистить_, &QPushButton::clicked, this, Обработчик([this] { Нажать_очистить(); }));
  ввод_ = new TФорма_ввод_нагрузки(this);
  resize(900, 600);
}

void TФорма_нераспределенный_учебный_план::Загрузить_из_модели() {
  надпись_предела_->setText(Текст(модель().Надпись_предельного_значения()));
  таблица_->Разложить();
  Обновить_значения();
  if (таблица_->rowCount() > 0 && таблица_->columnCount() > 0) таблица_->setCurrentCell(0, 0);
}

void TФорма_нераспределенный_учебный_план::Обновить_значения() {
  надпись_текущего_->setText(Текст(модель().Надпись_текущего_значения()));
  таблица_->Обновить();
}

void TФорма_нераспределенный_учебный_план::Разрешить_ввод(bool можно) {
  таблица_->setEnabled(можно);
  кнопка_очистить_->setEnabled(можно);
}

QWidget* TФорма_нераспределенный_учебный_план::Начальный_фокус() {
  return таблица_->isEnabled() ? static_cast<QWidget*>(таблица_)
                               : static_cast<QWidget*>(Кнопка_продолжить());
}

void TФорма_нераспределенный_учебный_план::Показать_отказ(const Отказ& отказ) {
  if (отказ.элемент == М::kТаблица) таблица_->setFocus(Qt::OtherFocusReason);
}

void TФорма_нераспределенный_учебный_план::Нажать_очистить() {
  модель().Очистить();
  Обновить_значения();
}

void TФорма_нераспределенный_учебный_план::Открыть_ячейку(int строка, int столбец) {
  auto ввод = модель().Начать_ввод(строка, столбец);
  if (!ввод) return;
  if (ввод_->Показать(std::move(*ввод))) Обновить_значения();
  таблица_->setFocus(Qt::OtherFocusReason);
}

}  // namespace korvella
