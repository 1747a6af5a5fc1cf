// Step 2's window: the number of senior year groups.
#pragma once

#include "entry/year_groups_step.h"
#include "shell/windows/step_window.h"

class QLineEdit;

namespace korvella {

class TФорма_количество_параллелей_в_школе : public Окно_шага {
 public:
  TФорма_количество_параллелей_в_школе(Среда& среда, QWidget* родитель = nullptr);

  QLineEdit* Поле_ввода_количество_параллелей_старшей_школы() const { return поле_; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  void Показать_отказ(const Отказ& отказ) override;

 private:
  Модель_количество_параллелей_в_школе& модель() const {
    return Модель_как<Модель_количество_параллелей_в_школе>();
  }
  QLineEdit* поле_ = nullptr;
};

}  // namespace korvella
