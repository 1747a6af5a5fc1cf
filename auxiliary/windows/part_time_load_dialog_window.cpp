#include "auxiliary/windows/part_time_load_dialog_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_ввода_нагрузки_совместителя;

TФорма_ввода_нагрузки_совместителей::TФорма_ввода_нагрузки_совместителей(Среда& среда,
                                                                         QWidget* родитель)
    : QDialog(родитель), модель_(среда) {
  setObjectName("Форма_ввода_нагрузки_совместителей");
  setWindowTitle(М::kЗаголовок);
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* столбец = new QVBoxLayout(this);
  auto* ряд = new QHBoxLayout;
  надпись_ = new QLabel(this);
  поле_ = new QLineEdit(this);
  поле_->setObjectName(М::kПоле);
  поле_->setFixedWidth(40);
  Связать_поле(
      поле_, [this](const std::string& т) { модель_.Ввести_текст(т); },
      [this] { return модель_.Поле(); });
  ряд->addWidget(надпись_);
  ряд->addWidget(поле_);
  ряд->addStretch(1);
  auto* кнопки = new QHBoxLayout;
  кнопка_ввести_ = new QPushButton("Ввести", this);
  кнопка_ввести_->setObjectName("Кнопка_ввести");
  кнопка_ввести_->setDefault(true);
  кнопки->addStretch(1);
  кнопки->addWidget(кнопка_ввести_);
  столбец->addLayout(ряд);
  столбец->addLayout(кнопки);
  connect(кнопка_ввести_, &QPushButton::clicked, this, Обработчик([this] { Нажать_ввести(); }));
  resize(380, 90);
}

std::optional<int> TФорма_ввода_нагрузки_совместителей::Спросить(int предел) {
  значение_.reset();
  модель_.Открыть(предел);
  надпись_->setText(QString::fromStdString(модель_.Надпись()));
  поле_->setText(QString::fromStdString(модель_.Поле()));
  поле_->selectAll();  // the first key replaces the preset "0"
  поле_->setFocus(Qt::OtherFocusReason);
  exec();  // Escape rejects
  return значение_;
}

void TФорма_ввода_нагрузки_совместителей::Нажать_ввести() {
  значение_ = модель_.Ввести();
  if (!значение_) {
    поле_->setFocus(Qt::OtherFocusReason);
    поле_->selectAll();
    return;
  }
  accept();
}

}  // namespace korvella
