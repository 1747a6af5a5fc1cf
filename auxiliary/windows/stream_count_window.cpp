#include "auxiliary/windows/stream_count_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "entry/windows/step_controls.h"

namespace korvella {

using М = Модель_количество_старших_параллелей;

TФорма_количество_старших_параллелей_объединяемых_в_потоки::
    TФорма_количество_старших_параллелей_объединяемых_в_потоки(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_количество_старших_параллелей_объединяемых_в_потоки::Построить_элементы(
    QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  auto* сетка = new QGridLayout;
  поле_параллелей_ = new QLineEdit(область);
  поле_параллелей_->setObjectName(М::kПоле_параллелей);
  поле_параллелей_->setMaxLength(1);
  поле_параллелей_->setFixedWidth(40);
  // A new year-group count draws a new stream count with new limits.
  Связать_поле(
      поле_параллелей_,
      [this](const std::string& т) {
        модель().Ввести_количество_параллелей(т);
        поле_потоков_->setText(QString::fromStdString(модель().Поле_потоков()));
        надпись_потоков_->setText(QString::fromStdString(модель().Надпись_потоков()));
      },
      [this] { return модель().Поле_параллелей(); });
  поле_потоков_ = new QLineEdit(область);
  поле_потоков_->setObjectName(М::kПоле_потоков);
  поле_потоков_->setMaxLength(static_cast<int>(М::kДлина_поля_потоков));
  поле_потоков_->setFixedWidth(40);
  Связать_поле(
      поле_потоков_, [this](const std::string& т) { модель().Ввести_количество_потоков(т); },
      [this] { return модель().Поле_потоков(); });
  надпись_потоков_ = new QLabel(область);
  надпись_потоков_->setObjectName("Надпись_количества_потоков");
  сетка->addWidget(new QLabel(QString::fromStdString(М::Надпись_параллелей()), область), 0, 0);
  сетка->addWidget(поле_параллелей_, 0, 1);
  сетка->addWidget(надпись_потоков_, 1, 0);
  сетка->addWidget(поле_потоков_, 1, 1);
  сетка->setColumnStretch(2, 1);
  столбец->addLayout(сетка);
  столбец->addStretch(1);
  resize(std::max(560, fontMetrics().horizontalAdvance(windowTitle()) + 200), 150);
}

void TФорма_количество_старших_параллелей_объединяемых_в_потоки::Загрузить_из_модели() {
  поле_параллелей_->setText(QString::fromStdString(модель().Поле_параллелей()));
  поле_потоков_->setText(QString::fromStdString(модель().Поле_потоков()));
  надпись_потоков_->setText(QString::fromStdString(модель().Надпись_потоков()));
}

void TФорма_количество_старших_параллелей_объединяемых_в_потоки::Разрешить_ввод(bool можно) {
  поле_параллелей_->setEnabled(можно);
  поле_потоков_->setEnabled(можно);
}

void TФорма_количество_старших_параллелей_объединяемых_в_потоки::Показать_отказ(
    const Отказ& отказ) {
  Окно_шага::Показать_отказ(отказ);
  if (auto* поле = отказ.элемент == М::kПоле_параллелей ? поле_параллелей_ : поле_потоков_)
    поле->selectAll();
}

}  // namespace korvella
