#include "auxiliary/windows/pe_dialog_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_нагрузка_классов_по_физре;

TФорма_нагрузка_классов_по_физре::TФорма_нагрузка_классов_по_физре(
    Среда& среда, Модель_нагрузка_классов_в_спецпомещениях& шаг, QWidget* родитель)
    : QDialog(родитель), модель_(среда, шаг) {
  setObjectName("Форма_нагрузка_классов_по_физре");
  setWindowTitle(М::kЗаголовок);
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* столбец = new QVBoxLayout(this);
  auto* ряд = new QHBoxLayout;
  поле_ = new QLineEdit(this);
  поле_->setObjectName(М::kПоле);
  поле_->setMaxLength(1);
  поле_->setFixedWidth(30);
  Связать_поле(
      поле_,
      [this](const std::string& т) {
        модель_.Ввести_нагрузку(т);
        сообщение_->setText(QString::fromStdString(модель_.Сообщение()));
      },
      [this] { return модель_.Поле(); });
  ряд->addWidget(new QLabel(М::kНадпись_поля, this));
  ряд->addWidget(поле_);
  ряд->addStretch(1);
  сообщение_ = new QLabel(this);
  сообщение_->setObjectName("Поле_вывода_сообщения");
  сообщение_->setWordWrap(true);
  сообщение_->setMinimumHeight(48);
  auto* кнопки = new QHBoxLayout;
  кнопка_распределить_ = new QPushButton("Распределить нагрузку", this);
  кнопка_распределить_->setObjectName("Кнопка_распределить_нагрузку");
  auto* закрыть = new QPushButton("Закрыть", this);
  закрыть->setObjectName("Кнопка_закрыть");
  кнопки->addStretch(1);
  кнопки->addWidget(кнопка_распределить_);
  кнопки->addWidget(закрыть);
  столбец->addLayout(ряд);
  столбец->addWidget(сообщение_);
  столбец->addLayout(кнопки);
  connect(кнопка_распределить_, &QPushButton::clicked, this,
          Обработчик([this] { Нажать_распределить(); }));
  connect(закрыть, &QPushButton::clicked, this, Обработчик([this] { reject(); }));
  кнопка_распределить_->setDefault(true);
  resize(460, 150);
}

bool TФорма_нагрузка_классов_по_физре::Показать_модально() {
  распределено_ = false;
  модель_.Активировать();
  поле_->setText(QString::fromStdString(модель_.Поле()));
  сообщение_->setText(QString::fromStdString(модель_.Сообщение()));
  поле_->setFocus(Qt::OtherFocusReason);
  exec();
  return распределено_;
}

void TФорма_нагрузка_классов_по_физре::Нажать_распределить() {
  if (!модель_.Распределить()) {
    поле_->setFocus(Qt::OtherFocusReason);
    return;
  }
  распределено_ = true;
  accept();
}

}  // namespace korvella
