// Step 1's window: the grid mode and the number of classes.
#pragma once

#include "entry/base_parameters_step.h"
#include "shell/windows/step_window.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace korvella {

class TФорма_базовые_параметры : public Окно_шага {
 public:
  TФорма_базовые_параметры(Среда& среда, QWidget* родитель = nullptr);

  QLineEdit* Поле_ввода_количество_классов() const { return поле_; }
  QRadioButton* Пункт_режима(int пункт) const { return пункты_[пункт]; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  void Показать_отказ(const Отказ& отказ) override;

 private:
  Модель_базовые_параметры& модель() const { return Модель_как<Модель_базовые_параметры>(); }

  QGroupBox* радио_группа_ = nullptr;
  QRadioButton* пункты_[2] = {};
  QLineEdit* поле_ = nullptr;
};

}  // namespace korvella
