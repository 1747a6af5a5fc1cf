// The dialog "Ввод нагрузки совместителя" of step 12: the lessons of one
// part-timer in one class.
#pragma once

#include <QDialog>
#include <optional>

#include "auxiliary/part_time_load_step.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvella {

class TФорма_ввода_нагрузки_совместителей : public QDialog {
 public:
  TФорма_ввода_нагрузки_совместителей(Среда& среда, QWidget* родитель);

  // Opens for a cell with its largest value; the value typed, or nothing when
  // the dialog was closed with Escape.
  std::optional<int> Спросить(int предел);

  QLineEdit* Поле() const { return поле_; }
  QLabel* Надпись() const { return надпись_; }
  QPushButton* Кнопка_ввести() const { return кнопка_ввести_; }
  void Нажать_ввести();

 private:
  Модель_ввода_нагрузки_совместителя модель_;
  QLabel* надпись_ = nullptr;
  QLineEdit* поле_ = nullptr;
  QPushButton* кнопка_ввести_ = nullptr;
  std::optional<int> значение_;
};

}  // namespace korvella
