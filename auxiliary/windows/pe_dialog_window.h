// The PE dialog of step 7: the weekly PE load and "Распределить нагрузку".
#pragma once

#include <QDialog>
#include <memory>

#include "auxiliary/pe_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvella {

class TФорма_нагрузка_классов_по_физре : public QDialog {
 public:
  TФорма_нагрузка_классов_по_физре(Среда& среда, Модель_нагрузка_классов_в_спецпомещениях& шаг,
                                   QWidget* родитель);

  // Activation and the modal run; true when the load was distributed.
  bool Показать_модально();

  Модель_нагрузка_классов_по_физре& Модель() { return модель_; }
  QLineEdit* Поле() const { return поле_; }
  QLabel* Поле_вывода_сообщения() const { return сообщение_; }
  void Нажать_распределить();

 private:
  Модель_нагрузка_классов_по_физре модель_;
  QLineEdit* поле_ = nullptr;
  QLabel* сообщение_ = nullptr;
  QPushButton* кнопка_распределить_ = nullptr;
  bool распределено_ = false;
};

}  // namespace korvella
