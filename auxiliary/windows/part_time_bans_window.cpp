#include "auxiliary/windows/part_time_bans_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "auxiliary/windows/part_time_grid.h"
#include "entry/windows/step_controls.h"

namespace korvella {

using М = Модель_запретов_первого_урока_совместителей;

namespace {
constexpr int kШирины[М::kСтолбцов] = {30, 155, 132};
}

TФорма_запреты_первого_урока_совместителей::TФорма_запреты_первого_урока_совместителей(
    Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_запреты_первого_урока_совместителей::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  надпись_ = new QLabel(область);
  надпись_->setObjectName("Надпись_максимум_запретов");
  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  таблица_->setColumnCount(М::kСтолбцов);
  Настроить_таблицу_совместителей(
      таблица_,
      [this](int строка, int с) -> std::uint32_t {
        return с == М::kСтолбец_запрета ? модель().Цвет_запрета(строка + 1) : 0;
      },
      0, М::kСтолбец_запрета);
  При_выборе_ячейки(таблица_, [this](int строка, int с) { Выбрать_запрет(строка, с); });
  QStringList заголовки;
  for (int с = 0; с < М::kСтолбцов; ++с) {
    таблица_->setColumnWidth(с, kШирины[с]);
    заголовки << QString::fromStdString(модель().Ячейка(0, с));
  }
  таблица_->setHorizontalHeaderLabels(заголовки);
  Подогнать_столбцы_к_заголовкам(таблица_);
  const int ширина = Ширина_таблицы(таблица_);
  таблица_->setMinimumWidth(ширина);
  столбец->addWidget(надпись_);
  столбец->addWidget(таблица_, 1);
  resize(Ширина_с_заголовком(this, ширина + 40), 320);
}

void TФорма_запреты_первого_урока_совместителей::Загрузить_из_модели() {
  const auto& м = модель();
  надпись_->setText(QString::fromStdString(м.Надпись_максимум_запретов()));
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 1; r < м.Строк(); ++r)
    for (int с = 0; с < М::kСтолбцов; ++с)
      таблица_->setItem(r - 1, с, Ячейка_только_для_чтения(м.Ячейка(r, с)));
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, М::kСтолбец_запрета);
}

void TФорма_запреты_первого_урока_совместителей::Выбрать_запрет(int строка_вида, int столбец) {
  if (столбец != М::kСтолбец_запрета) return;
  const bool отказ = модель().Переключить_запрет(строка_вида + 1);
  таблица_->viewport()->update();
  if (отказ) таблица_->setFocus(Qt::OtherFocusReason);
}

void TФорма_запреты_первого_урока_совместителей::Разрешить_ввод(bool можно) {
  таблица_->setEnabled(можно);
}

QWidget* TФорма_запреты_первого_урока_совместителей::Начальный_фокус() {
  return таблица_->isEnabled() && таблица_->rowCount() > 0 ? static_cast<QWidget*>(таблица_)
                                                           : Кнопка_продолжить();
}

}  // namespace korvella
