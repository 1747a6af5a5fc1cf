// Step 0's window: the check boxes of the optional tasks.
#pragma once

#include <array>

#include "entry/task_list_step.h"
#include "shell/windows/step_window.h"

class QCheckBox;

namespace korvella {

class TФорма_список_решаемых_задач : public Окно_шага {
 public:
  TФорма_список_решаемых_задач(Среда& среда, QWidget* родитель = nullptr);

  QCheckBox* Переключатель(int i) const { return переключатели_[i]; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;

 private:
  Модель_список_решаемых_задач& модель() const {
    return Модель_как<Модель_список_решаемых_задач>();
  }
  std::array<QCheckBox*, 7> переключатели_{};
};

}  // namespace korvella
