#include "auxiliary/windows/part_time_list_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "auxiliary/windows/part_time_grid.h"
#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_список_совместителей;

TФорма_список_совместителей::TФорма_список_совместителей(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {
  кнопка_очистить_ = new QPushButton("Очистить", this);
  кнопка_очистить_->setObjectName("Кнопка_очистить");
  Ряд_кнопок()->insertWidget(0, кнопка_очистить_);
  connect(кнопка_очистить_, &QPushButton::clicked, this, Обработчик([this] {
            Завершить_правку(таблица_);
            if (модель().Очистить()) Показать_таблицу();
          }));
}

void TФорма_список_совместителей::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  auto* ряд = new QHBoxLayout;
  надпись_ = new QLabel(область);
  поле_ = new QLineEdit(область);
  поле_->setObjectName(М::kПоле_количества);
  поле_->setFixedWidth(40);
  // A new count resizes the list (and may be refused with a message).
  Связать_поле(
      поле_,
      [this](const std::string& т) {
        Завершить_правку(таблица_);
        модель().Ввести_количество(т);
        Показать_таблицу();
      },
      [this] { return модель().Поле_количества(); });
  ряд->addWidget(надпись_);
  ряд->addWidget(поле_);
  ряд->addStretch(1);

  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  таблица_->setColumnCount(М::kСтолбцов);
  таблица_->verticalHeader()->hide();
  таблица_->verticalHeader()->setDefaultSectionSize(22);
  таблица_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица_->horizontalHeader()->setHighlightSections(false);
  таблица_->setSelectionMode(QAbstractItemView::SingleSelection);
  QStringList заголовки;
  for (int с = 0; с < М::kСтолбцов; ++с) {
    таблица_->setColumnWidth(с, М::kШирины_столбцов[с]);
    заголовки << QString::fromStdString(модель().Ячейка(0, с));
  }
  таблица_->setHorizontalHeaderLabels(заголовки);
  Подогнать_столбцы_к_заголовкам(таблица_);
  const int ширина = Ширина_таблицы(таблица_);
  connect(таблица_, &QTableWidget::itemChanged, this, Обработчик([this](QTableWidgetItem* ячейка) {
            if (загрузка_) return;
            модель().Изменить_ячейку(ячейка->row() + 1, ячейка->column(),
                                     ячейка->text().toStdString());
          }));
  столбец->addLayout(ряд);
  столбец->addWidget(таблица_, 1);
  таблица_->setMinimumWidth(ширина);
  resize(Ширина_с_заголовком(this, ширина + 40), 340);
}

void TФорма_список_совместителей::Загрузить_из_модели() {
  надпись_->setText(QString::fromStdString(модель().Надпись_количества()));
  поле_->setText(QString::fromStdString(модель().Поле_количества()));
  Показать_таблицу();
}

void TФорма_список_совместителей::Показать_таблицу() {
  const auto& м = модель();
  загрузка_ = true;
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 1; r < м.Строк(); ++r) {
    таблица_->setItem(r - 1, 0, Ячейка_только_для_чтения(м.Ячейка(r, 0)));
    for (int с = 1; с < М::kСтолбцов; ++с)
      таблица_->setItem(r - 1, с, new QTableWidgetItem(QString::fromStdString(м.Ячейка(r, с))));
  }
  загрузка_ = false;
}

void TФорма_список_совместителей::Передать_в_модель() { Завершить_правку(таблица_); }

void TФорма_список_совместителей::Разрешить_ввод(bool можно) {
  поле_->setEnabled(можно);
  кнопка_очистить_->setEnabled(можно);
  таблица_->setEditTriggers(можно ? QAbstractItemView::DoubleClicked |
                                        QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::AnyKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
}

void TФорма_список_совместителей::Показать_отказ(const Отказ& отказ) {
  Показать_таблицу();  // the cells as "Продолжить" trimmed them
  Окно_шага::Показать_отказ(отказ);
}

void TФорма_список_совместителей::Выбрать_ячейку(QWidget* элемент, int строка, int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

}  // namespace korvella
