// "Ввод нагрузки": the small modal window that takes one curriculum value.
#pragma once

#include <QDialog>
#include <optional>

#include "timetable/curriculum_input.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvella {

class TФорма_ввод_нагрузки : public QDialog {
 public:
  explicit TФорма_ввод_нагрузки(QWidget* родитель = nullptr);

  // Shows the window modally for one cell; true when a value was stored.
  bool Показать(Модель_ввода_нагрузки модель);

  QLabel* Надпись() const { return надпись_; }
  QLineEdit* Поле_ввода_нагрузка_класса() const { return поле_; }
  QPushButton* Кнопка_ввести() const { return кнопка_ввести_; }
  QPushButton* Кнопка_закрыть() const { return кнопка_закрыть_; }

  void Нажать_ввести();

 protected:
  bool eventFilter(QObject* объект, QEvent* событие) override;

 private:
  std::optional<Модель_ввода_нагрузки> модель_;
  QLabel* надпись_ = nullptr;
  QLineEdit* поле_ = nullptr;
  QPushButton* кнопка_ввести_ = nullptr;
  QPushButton* кнопка_закрыть_ = nullptr;
};

}  // namespace korvella
