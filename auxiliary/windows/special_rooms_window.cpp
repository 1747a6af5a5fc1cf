#include "auxiliary/windows/special_rooms_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_список_спецпомещений;

TФорма_список_спецпомещений::TФорма_список_спецпомещений(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_список_спецпомещений::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  auto* ряд = new QHBoxLayout;
  надпись_ = new QLabel(область);
  поле_ = new QLineEdit(область);
  поле_->setObjectName(М::kПоле_количества);
  поле_->setMaxLength(1);
  поле_->setFixedWidth(30);
  // A new count rebuilds the list (and may be refused with a message).
  Связать_поле(
      поле_,
      [this](const std::string& т) {
        const int строк = модель().Строк();
        модель().Ввести_количество(т);
        if (модель().Строк() != строк || !т.empty()) Показать_таблицу();
      },
      [this] { return модель().Поле_количества(); });
  ряд->addWidget(надпись_);
  ряд->addWidget(поле_);
  ряд->addStretch(1);

  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  таблица_->setColumnCount(3);
  таблица_->verticalHeader()->hide();
  таблица_->verticalHeader()->setDefaultSectionSize(22);
  таблица_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица_->horizontalHeader()->setHighlightSections(false);
  таблица_->setSelectionMode(QAbstractItemView::SingleSelection);
  int ширина = 0;
  for (int с = 0; с < 3; ++с) {
    таблица_->setColumnWidth(с, М::kШирины_столбцов[с]);
    ширина += М::kШирины_столбцов[с];
  }
  connect(таблица_, &QTableWidget::itemChanged, this, Обработчик([this](QTableWidgetItem* ячейка) {
            if (загрузка_) return;
            модель().Изменить_ячейку(ячейка->row() + 1, ячейка->column(),
                                     ячейка->text().toStdString());
          }));
  столбец->addLayout(ряд);
  столбец->addWidget(таблица_, 1);
  таблица_->setMinimumWidth(ширина + 4);
  resize(ширина + 80, 260);
}

void TФорма_список_спецпомещений::Загрузить_из_модели() {
  надпись_->setText(QString::fromStdString(модель().Надпись_количества()));
  поле_->setText(QString::fromStdString(модель().Поле_количества()));
  Показать_таблицу();
}

void TФорма_список_спецпомещений::Показать_таблицу() {
  const auto& м = модель();
  загрузка_ = true;
  таблица_->setHorizontalHeaderLabels({QString::fromStdString(м.Ячейка(0, 0)),
                                       QString::fromStdString(м.Ячейка(0, 1)),
                                       QString::fromStdString(м.Ячейка(0, 2))});
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 1; r < м.Строк(); ++r) {
    таблица_->setItem(r - 1, 0, Ячейка_только_для_чтения(м.Ячейка(r, 0)));
    for (int с = 1; с <= 2; ++с)
      таблица_->setItem(r - 1, с, new QTableWidgetItem(QString::fromStdString(м.Ячейка(r, с))));
  }
  загрузка_ = false;
}

void TФорма_список_спецпомещений::Передать_в_модель() { Завершить_правку(таблица_); }

void TФорма_список_спецпомещений::Разрешить_ввод(bool можно) {
  поле_->setEnabled(можно);
  таблица_->setEditTriggers(можно ? QAbstractItemView::DoubleClicked |
                                        QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::AnyKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
}

void TФорма_список_спецпомещений::Показать_отказ(const Отказ& отказ) {
  Показать_таблицу();  // the names as "Продолжить" trimmed them
  Окно_шага::Показать_отказ(отказ);
}

void TФорма_список_спецпомещений::Выбрать_ячейку(QWidget* элемент, int строка, int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

}  // namespace korvella
