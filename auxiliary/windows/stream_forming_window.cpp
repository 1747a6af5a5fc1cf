#include "auxiliary/windows/stream_forming_window.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "auxiliary/streams.h"
#include "auxiliary/windows/stream_grid.h"
#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {
namespace {

using М = Модель_формирование_потоков;

constexpr int kСтолбцов = 4;
constexpr std::array<int, kСтолбцов> kШирины_столбцов = {36, 210, 80, 80};
// Where the class dialog opens, from the step window's top left corner.
constexpr int kСдвиг_выбора_вправо = 443;
constexpr int kСдвиг_выбора_вверх = 150;

// The model's colours, and name editors that stop at the name's length limit.
class Ячейки_потоков : public Рисование_ячеек {
 public:
  using Рисование_ячеек::Рисование_ячеек;
  QWidget* createEditor(QWidget* родитель, const QStyleOptionViewItem& вид,
                        const QModelIndex& ячейка) const override {
    QWidget* редактор = Рисование_ячеек::createEditor(родитель, вид, ячейка);
    Обработать_событие([&] {
      if (auto* поле = qobject_cast<QLineEdit*>(редактор))
        поле->setMaxLength(kМаксимум_знаков_в_названии_потока);
    });
    return редактор;
  }
};

// Enter on a class cell opens the class dialog, as a double click does.
class Ввод_в_ячейку_класса : public QObject {
 public:
  Ввод_в_ячейку_класса(TФорма_формирование_потоков* окно, QTableWidget* таблица)
      : QObject(таблица), окно_(окно), таблица_(таблица) {}
  bool eventFilter(QObject* объект, QEvent* событие) override {
    bool принято = false;
    Обработать_событие([&] {
      if (событие->type() != QEvent::KeyPress || !М::Столбец_класса(таблица_->currentColumn()))
        return;
      const int клавиша = static_cast<QKeyEvent*>(событие)->key();
      if (клавиша == Qt::Key_Return || клавиша == Qt::Key_Enter) {
        окно_->Выбрать_класс(таблица_->currentRow(), таблица_->currentColumn());
        принято = true;
      }
    });
    return принято || QObject::eventFilter(объект, событие);
  }

 private:
  TФорма_формирование_потоков* окно_;
  QTableWidget* таблица_;
};

}  // namespace

TФорма_формирование_потоков::TФорма_формирование_потоков(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_формирование_потоков::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  таблица_ = Сетка_потоков(область, М::kТаблица, kШирины_столбцов);
  таблица_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  таблица_->setSelectionMode(QAbstractItemView::NoSelection);
  таблица_->setItemDelegate(new Ячейки_потоков(
      таблица_,
      [this](int строка, int с, bool текущая) -> std::optional<std::uint32_t> {
        if (с == 0) return std::nullopt;
        return модель().Цвет_ячейки(строка + 1, с, текущая);
      },
      4, 3));
  таблица_->installEventFilter(new Ввод_в_ячейку_класса(this, таблица_));
  connect(таблица_, &QTableWidget::cellDoubleClicked, this,
          Обработчик([this](int строка, int с) { Выбрать_класс(строка, с); }));
  connect(таблица_, &QTableWidget::itemChanged, this, Обработчик([this](QTableWidgetItem* ячейка) {
            if (!загрузка_ && ячейка->column() == М::kСтолбец_названия)
              модель().Изменить_название(ячейка->row() + 1, ячейка->text().toStdString());
          }));
  connect(таблица_, &QTableWidget::currentCellChanged, this,
          Обработчик([this] { таблица_->viewport()->update(); }));
  столбец->addWidget(таблица_, 1);

  кнопка_очистить_ = new QPushButton("Очистить", this);
  кнопка_очистить_->setObjectName("Кнопка_очистить");
  Ряд_кнопок()->insertWidget(1, кнопка_очистить_);
  connect(кнопка_очистить_, &QPushButton::clicked, this, Обработчик([this] {
            Завершить_правку(таблица_);
            модель().Очистить();
            Показать_таблицу();
          }));
  выбор_класса_ = new TФорма_выбор_класса_для_потока(this);
  resize(
      std::max(таблица_->minimumWidth() + 36, fontMetrics().horizontalAdvance(windowTitle()) + 200),
      400);
}

void TФорма_формирование_потоков::Загрузить_из_модели() {
  Показать_таблицу();
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, М::kСтолбец_названия);
}

void TФорма_формирование_потоков::Показать_таблицу() {
  const auto& м = модель();
  загрузка_ = true;
  QStringList заголовки;
  for (int с = 0; с < kСтолбцов; ++с) заголовки << QString::fromStdString(м.Ячейка(0, с));
  таблица_->setHorizontalHeaderLabels(заголовки);
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 1; r < м.Строк(); ++r)
    for (int с = 0; с < kСтолбцов; ++с) {
      auto* ячейка = с == М::kСтолбец_названия
                         ? new QTableWidgetItem(QString::fromStdString(м.Ячейка(r, с)))
                         : Ячейка_только_для_чтения(м.Ячейка(r, с));
      таблица_->setItem(r - 1, с, ячейка);
    }
  загрузка_ = false;
}

void TФорма_формирование_потоков::Выбрать_класс(int строка, int столбец) {
  Модель_выбор_класса_для_потока* выбор = модель().Открыть_выбор_класса(строка + 1, столбец);
  if (выбор == nullptr) return;
  выбор_класса_->move(x() + kСдвиг_выбора_вправо, y() - kСдвиг_выбора_вверх);
  if (выбор_класса_->Показать_модально(*выбор)) {
    загрузка_ = true;
    таблица_->item(строка, столбец)
        ->setText(QString::fromStdString(модель().Ячейка(строка + 1, столбец)));
    загрузка_ = false;
  }
  таблица_->setFocus(Qt::OtherFocusReason);
}

void TФорма_формирование_потоков::Передать_в_модель() { Завершить_правку(таблица_); }

void TФорма_формирование_потоков::Разрешить_ввод(bool можно) {
  кнопка_очистить_->setEnabled(можно);
  таблица_->setEditTriggers(можно ? QAbstractItemView::DoubleClicked |
                                        QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::AnyKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
}

QWidget* TФорма_формирование_потоков::Начальный_фокус() { return таблица_; }

void TФорма_формирование_потоков::Показать_отказ(const Отказ& отказ) {
  Показать_таблицу();  // trimmed names, streams without classes gone
  Окно_шага::Показать_отказ(отказ);
}

void TФорма_формирование_потоков::Выбрать_ячейку(QWidget* элемент, int строка, int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

}  // namespace korvella
