#include "entry/windows/year_groups_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "entry/windows/step_controls.h"

namespace korvella {

using М = Модель_количество_параллелей_в_школе;

TФорма_количество_параллелей_в_школе::TФорма_количество_параллелей_в_школе(Среда& среда,
                                                                           QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_количество_параллелей_в_школе::Построить_элементы(QWidget* область) {
  auto* сетка = new QGridLayout(область);
  поле_ = new QLineEdit(область);
  поле_->setObjectName(М::kПоле_старших);
  поле_->setMaxLength(1);
  поле_->setFixedWidth(30);
  Связать_поле(
      поле_, [this](const std::string& т) { модель().Ввести_количество_старших(т); },
      [this] { return модель().Поле_старших(); });
  сетка->addWidget(new QLabel(QString::fromStdString(М::Надпись_старшей_школы()), область), 0, 0);
  сетка->addWidget(поле_, 0, 1);
  сетка->addWidget(new QLabel(QString::fromStdString(М::Надпись_средней_школы()), область), 1, 0, 1,
                   2);
  сетка->addWidget(new QLabel(QString::fromStdString(М::Надпись_младшей_школы()), область), 2, 0, 1,
                   2);
  сетка->setRowStretch(3, 1);
  resize(470, 170);
}

void TФорма_количество_параллелей_в_школе::Загрузить_из_модели() {
  поле_->setText(QString::fromStdString(модель().Поле_старших()));
}

void TФорма_количество_параллелей_в_школе::Разрешить_ввод(bool можно) { поле_->setEnabled(можно); }

void TФорма_количество_параллелей_в_школе::Показать_отказ(const Отказ& отказ) {
  Загрузить_из_модели();  // a refusal puts the largest count that fits into the edit
  Окно_шага::Показать_отказ(отказ);
}

}  // namespace korvella
