#include "auxiliary/windows/part_time_days_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "auxiliary/windows/part_time_grid.h"
#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_рабочих_дней_совместителей;

namespace {
constexpr int kШирины_фиксированных[М::kФиксированных_столбцов] = {30, 155, 130, 45};
}

TФорма_таблица_рабочих_дней_совместителей::TФорма_таблица_рабочих_дней_совместителей(
    Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {
  кнопка_очистить_ = new QPushButton("Очистить", this);
  кнопка_очистить_->setObjectName(М::kКнопка_очистить);
  Ряд_кнопок()->insertWidget(0, кнопка_очистить_);
  connect(кнопка_очистить_, &QPushButton::clicked, this, Обработчик([this] {
            if (модель().Очистить()) таблица_->viewport()->update();
          }));
}

void TФорма_таблица_рабочих_дней_совместителей::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  Настроить_таблицу_совместителей(
      таблица_, [this](int строка, int с) { return модель().Цвет(строка + 1, с); }, 0,
      М::kФиксированных_столбцов);
  При_выборе_ячейки(таблица_, [this](int строка, int с) { Выбрать_день(строка, с); });
  столбец->addWidget(таблица_, 1);
  resize(Ширина_с_заголовком(this, 960), 320);
}

void TФорма_таблица_рабочих_дней_совместителей::Загрузить_из_модели() {
  const auto& м = модель();
  таблица_->setColumnCount(м.Столбцов());
  таблица_->setRowCount(м.Строк() - 1);
  QStringList заголовки;
  for (int с = 0; с < м.Столбцов(); ++с) {
    заголовки << QString::fromStdString(м.Ячейка(0, с));
    if (с < М::kФиксированных_столбцов) {
      таблица_->setColumnWidth(с, kШирины_фиксированных[с]);
    } else {
      // The day columns share the width the fixed ones leave.
      таблица_->horizontalHeader()->setSectionResizeMode(с, QHeaderView::Stretch);
    }
  }
  таблица_->setHorizontalHeaderLabels(заголовки);
  Подогнать_столбцы_к_заголовкам(таблица_);
  for (int r = 1; r < м.Строк(); ++r)
    for (int с = 0; с < м.Столбцов(); ++с)
      таблица_->setItem(r - 1, с, Ячейка_только_для_чтения(м.Ячейка(r, с)));
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, М::kФиксированных_столбцов);
}

void TФорма_таблица_рабочих_дней_совместителей::Выбрать_день(int строка_вида, int столбец) {
  const bool отказ = модель().Переключить_день(строка_вида + 1, столбец);
  таблица_->viewport()->update();
  if (отказ) таблица_->setFocus(Qt::OtherFocusReason);
}

void TФорма_таблица_рабочих_дней_совместителей::Разрешить_ввод(bool можно) {
  кнопка_очистить_->setEnabled(можно);
  таблица_->setEnabled(можно);
}

QWidget* TФорма_таблица_рабочих_дней_совместителей::Начальный_фокус() {
  return таблица_->isEnabled() ? static_cast<QWidget*>(таблица_) : Кнопка_продолжить();
}

void TФорма_таблица_рабочих_дней_совместителей::Выбрать_ячейку(QWidget* элемент, int строка,
                                                               int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

}  // namespace korvella
