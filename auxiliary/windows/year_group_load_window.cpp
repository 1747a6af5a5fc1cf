#include "auxiliary/windows/year_group_load_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "entry/typed_input.h"
#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_учебная_нагрузка_параллелей;

TФорма_учебная_нагрузка_параллелей::TФорма_учебная_нагрузка_параллелей(Среда& среда,
                                                                       QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_учебная_нагрузка_параллелей::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  надпись_пределов_ = new QLabel(область);
  надпись_пределов_->setWordWrap(true);
  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  таблица_->setColumnCount(2);
  таблица_->verticalHeader()->hide();
  таблица_->verticalHeader()->setDefaultSectionSize(22);
  таблица_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица_->horizontalHeader()->setHighlightSections(false);
  таблица_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  таблица_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int с = 0; с < 2; ++с) таблица_->setColumnWidth(с, М::kШирины_столбцов[с]);
  таблица_->setFixedWidth(М::kШирины_столбцов[0] + М::kШирины_столбцов[1] + 4);
  new Клавиши_таблицы(таблица_, [this](int строка, int с, char32_t к, bool заменить) {
    if (с != 1) return false;
    bool принята;
    if (заменить) {
      принята = М::Клавиша_допустима(к) &&
                модель().Изменить_ячейку(строка + 1, std::string(1, static_cast<char>(к)));
    } else {
      принята = модель().Нажать_клавишу(строка + 1, к);
    }
    Показать_ячейки();
    return принята;
  });
  connect(таблица_, &QTableWidget::cellClicked, this, Обработчик([this] {
            модель().Обновить_текущую_нагрузку();
            надпись_нагрузки_->setText(QString::fromStdString(модель().Надпись_текущей_нагрузки()));
          }));
  надпись_нагрузки_ = new QLabel(область);
  надпись_нагрузки_->setObjectName("Надпись_текущая_нагрузка_школы");
  столбец->addWidget(надпись_пределов_);
  столбец->addWidget(таблица_, 1);
  столбец->addWidget(надпись_нагрузки_);
  resize(440, 360);
}

void TФорма_учебная_нагрузка_параллелей::Загрузить_из_модели() {
  const auto& м = модель();
  надпись_пределов_->setText(QString::fromStdString(м.Надпись_пределов()));
  таблица_->setHorizontalHeaderLabels(
      {QString::fromStdString(м.Ячейка(0, 0)), QString::fromStdString(м.Ячейка(0, 1))});
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 1; r < м.Строк(); ++r) {
    таблица_->setItem(r - 1, 0, Ячейка_только_для_чтения(м.Ячейка(r, 0)));
    таблица_->setItem(r - 1, 1, Ячейка_только_для_чтения(м.Ячейка(r, 1)));
  }
  надпись_нагрузки_->setText(QString::fromStdString(м.Надпись_текущей_нагрузки()));
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, 1);
}

void TФорма_учебная_нагрузка_параллелей::Показать_ячейки() {
  for (int r = 1; r < модель().Строк(); ++r)
    if (auto* ячейка = таблица_->item(r - 1, 1))
      ячейка->setText(QString::fromStdString(модель().Ячейка(r, 1)));
  надпись_нагрузки_->setText(QString::fromStdString(модель().Надпись_текущей_нагрузки()));
}

QWidget* TФорма_учебная_нагрузка_параллелей::Начальный_фокус() { return таблица_; }

void TФорма_учебная_нагрузка_параллелей::Показать_отказ(const Отказ& отказ) {
  Показать_ячейки();  // cells cut to two digits, the refreshed school load
  Окно_шага::Показать_отказ(отказ);
}

void TФорма_учебная_нагрузка_параллелей::Выбрать_ячейку(QWidget* элемент, int строка, int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

}  // namespace korvella
