#include "auxiliary/windows/part_time_load_window.h"

#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "auxiliary/windows/part_time_grid.h"
#include "auxiliary/windows/part_time_load_dialog_window.h"
#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_ТРПН_совместителей;

namespace {
// The heading row is the grid's header; the sum row is the first row of the view.
constexpr int kСтрок_в_заголовке = 1;
constexpr int kШирины_фиксированных[М::kФиксированных_столбцов] = {30, 70};
}  // namespace

TФорма_ТРПН_совместителей::TФорма_ТРПН_совместителей(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель), среда_(среда) {
  кнопка_очистить_ = new QPushButton("Очистить", this);
  кнопка_очистить_->setObjectName("Кнопка_очистить");
  Ряд_кнопок()->insertWidget(0, кнопка_очистить_);
  connect(кнопка_очистить_, &QPushButton::clicked, this, Обработчик([this] {
            if (модель().Очистить()) Обновить_ячейки();
          }));
}

void TФорма_ТРПН_совместителей::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  Настроить_таблицу_совместителей(
      таблица_, [this](int строка, int с) { return модель().Цвет(строка + kСтрок_в_заголовке, с); },
      М::kФиксированных_строк - kСтрок_в_заголовке, М::kФиксированных_столбцов);
  При_выборе_ячейки(таблица_, [this](int строка, int с) { Ввести_в_ячейку(строка, с); });
  столбец->addWidget(таблица_, 1);
  диалог_ = new TФорма_ввода_нагрузки_совместителей(среда_, this);
  resize(Ширина_с_заголовком(this, 700), 480);
}

void TФорма_ТРПН_совместителей::Загрузить_из_модели() {
  const auto& м = модель();
  таблица_->setColumnCount(м.Столбцов());
  таблица_->setRowCount(м.Строк() - kСтрок_в_заголовке);
  QStringList заголовки;
  for (int с = 0; с < м.Столбцов(); ++с) {
    заголовки << QString::fromStdString(м.Ячейка(0, с));
    таблица_->setColumnWidth(
        с, с < М::kФиксированных_столбцов ? kШирины_фиксированных[с] : М::kШирина_столбца);
  }
  таблица_->setHorizontalHeaderLabels(заголовки);
  Подогнать_столбцы_к_заголовкам(таблица_);
  // Every part-timer's column in sight, as far as the screen allows.
  const QRect экран = screen()->availableGeometry();
  const int ширина = std::min(экран.width(), Ширина_таблицы(таблица_) + 40);
  if (ширина > width()) resize(ширина, height());
  for (int r = kСтрок_в_заголовке; r < м.Строк(); ++r)
    for (int с = 0; с < м.Столбцов(); ++с)
      таблица_->setItem(r - kСтрок_в_заголовке, с, Ячейка_только_для_чтения(м.Ячейка(r, с)));
  if (м.Столбцов() > М::kФиксированных_столбцов && м.Строк() > М::kФиксированных_строк)
    таблица_->setCurrentCell(М::kФиксированных_строк - kСтрок_в_заголовке,
                             М::kФиксированных_столбцов);
}

void TФорма_ТРПН_совместителей::Обновить_ячейки() {
  const auto& м = модель();
  for (int r = kСтрок_в_заголовке; r < м.Строк(); ++r)
    for (int с = 0; с < м.Столбцов(); ++с)
      if (auto* ячейка = таблица_->item(r - kСтрок_в_заголовке, с))
        ячейка->setText(QString::fromStdString(м.Ячейка(r, с)));
  таблица_->viewport()->update();
}

void TФорма_ТРПН_совместителей::Ввести_в_ячейку(int строка_вида, int столбец) {
  const int строка = строка_вида + kСтрок_в_заголовке;
  const auto предел = модель().Предел_ячейки(строка, столбец);
  if (!предел || !модель().Ввод_разрешён()) return;
  if (const auto значение = диалог_->Спросить(*предел)) {
    if (модель().Ввести_нагрузку(строка, столбец, *значение)) Обновить_ячейки();
  }
  таблица_->setFocus(Qt::OtherFocusReason);
}

void TФорма_ТРПН_совместителей::Разрешить_ввод(bool можно) {
  кнопка_очистить_->setEnabled(можно);
  таблица_->setEnabled(можно);
}

QWidget* TФорма_ТРПН_совместителей::Начальный_фокус() {
  return таблица_->isEnabled() ? static_cast<QWidget*>(таблица_) : Кнопка_продолжить();
}

void TФорма_ТРПН_совместителей::Выбрать_ячейку(QWidget* элемент, int строка, int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - kСтрок_в_заголовке, столбец);
}

}  // namespace korvella
