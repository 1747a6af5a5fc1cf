#include "auxiliary/windows/stream_load_window.h"

#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "auxiliary/windows/stream_grid.h"
#include "entry/windows/step_controls.h"

namespace korvella {
namespace {

using М = Модель_формирование_нагрузки_потоков;

constexpr int kСтолбцов = 3;
constexpr std::array<int, kСтолбцов> kШирины_столбцов = {40, 220, 70};

}  // namespace

TФорма_формирование_нагрузки_потоков::TФорма_формирование_нагрузки_потоков(Среда& среда,
                                                                           QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_формирование_нагрузки_потоков::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  таблица_ = Сетка_потоков(область, М::kТаблица, kШирины_столбцов);
  таблица_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  таблица_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Keys reach the model cell by cell; the first key on a cell replaces its text.
  new Клавиши_таблицы(таблица_, [this](int строка, int с, char32_t к, bool заменить) {
    if (с != М::kСтолбец_нагрузки) return false;
    const bool принята =
        заменить ? М::Клавиша_допустима(к) &&
                       модель().Изменить_ячейку(строка + 1, std::string(1, static_cast<char>(к)))
                 : модель().Нажать_клавишу(строка + 1, к);
    Показать_нагрузки();
    return принята;
  });
  столбец->addWidget(таблица_, 1);
  resize(
      std::max(таблица_->minimumWidth() + 36, fontMetrics().horizontalAdvance(windowTitle()) + 200),
      400);
}

void TФорма_формирование_нагрузки_потоков::Загрузить_из_модели() {
  const auto& м = модель();
  QStringList заголовки;
  for (int с = 0; с < kСтолбцов; ++с) заголовки << QString::fromStdString(м.Ячейка(0, с));
  таблица_->setHorizontalHeaderLabels(заголовки);
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 1; r < м.Строк(); ++r)
    for (int с = 0; с < kСтолбцов; ++с)
      таблица_->setItem(r - 1, с, Ячейка_только_для_чтения(м.Ячейка(r, с)));
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, М::kСтолбец_нагрузки);
}

void TФорма_формирование_нагрузки_потоков::Показать_нагрузки() {
  for (int r = 1; r < модель().Строк(); ++r)
    if (auto* ячейка = таблица_->item(r - 1, М::kСтолбец_нагрузки))
      ячейка->setText(QString::fromStdString(модель().Ячейка(r, М::kСтолбец_нагрузки)));
}

void TФорма_формирование_нагрузки_потоков::Разрешить_ввод(bool можно) {
  таблица_->setEnabled(можно);
}

QWidget* TФорма_формирование_нагрузки_потоков::Начальный_фокус() {
  return таблица_->isEnabled() ? static_cast<QWidget*>(таблица_) : Кнопка_продолжить();
}

void TФорма_формирование_нагрузки_потоков::Показать_отказ(const Отказ& отказ) {
  Показать_нагрузки();  // values cut to their first character
  Окно_шага::Показать_отказ(отказ);
}

void TФорма_формирование_нагрузки_потоков::Выбрать_ячейку(QWidget* элемент, int строка,
                                                          int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

}  // namespace korvella
