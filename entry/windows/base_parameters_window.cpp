#include "entry/windows/base_parameters_window.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_базовые_параметры;

TФорма_базовые_параметры::TФорма_базовые_параметры(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_базовые_параметры::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  радио_группа_ = new QGroupBox("Режим работы всей школы", область);
  радио_группа_->setObjectName(М::kРадио_группа);
  auto* пункты = new QVBoxLayout(радио_группа_);
  auto* группа_кнопок = new QButtonGroup(радио_группа_);
  for (int i : {М::kРежим_6х6, М::kРежим_5х7}) {
    пункты_[i] = new QRadioButton(QString::fromUtf8(М::Пункт_режима(i)), радио_группа_);
    группа_кнопок->addButton(пункты_[i], i);
    пункты->addWidget(пункты_[i]);
    connect(пункты_[i], &QRadioButton::clicked, this,
            Обработчик([this, i] { модель().Выбрать_режим(i); }));
  }
  столбец->addWidget(радио_группа_);

  auto* классы = new QGroupBox("Классы средней и старшей школы", область);
  auto* ряд = new QHBoxLayout(классы);
  auto* надпись = new QLabel(QString::fromStdString(М::Надпись_количества_классов()), классы);
  поле_ = new QLineEdit(классы);
  поле_->setObjectName(М::kПоле_классов);
  поле_->setMaxLength(static_cast<int>(М::kДлина_поля_классов));
  поле_->setFixedWidth(40);
  Связать_поле(
      поле_, [this](const std::string& т) { модель().Ввести_количество_классов(т); },
      [this] { return модель().Поле_классов(); });
  ряд->addWidget(надпись);
  ряд->addWidget(поле_);
  ряд->addStretch(1);
  столбец->addWidget(классы);
  столбец->addStretch(1);
  resize(380, 220);
}

void TФорма_базовые_параметры::Загрузить_из_модели() {
  const int режим = модель().Выбранный_режим();
  for (int i : {М::kРежим_6х6, М::kРежим_5х7}) пункты_[i]->setChecked(i == режим);
  поле_->setText(QString::fromStdString(модель().Поле_классов()));
}

void TФорма_базовые_параметры::Разрешить_ввод(bool можно) {
  радио_группа_->setEnabled(можно);
  поле_->setEnabled(можно);
}

void TФорма_базовые_параметры::Показать_отказ(const Отказ& отказ) {
  Окно_шага::Показать_отказ(отказ);
  поле_->selectAll();
}

}  // namespace korvella
