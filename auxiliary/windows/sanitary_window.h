// Step 5's window: places the sanitary prohibitions, or, with the special-room
// task, says that step 8 places them.
#pragma once

#include "auxiliary/sanitary_step.h"
#include "shell/windows/calculation_window.h"

namespace korvella {

class TФорма_санитарные_ограничения : public Окно_расчёта {
 public:
  TФорма_санитарные_ограничения(Среда& среда, QWidget* родитель = nullptr);

 protected:
  void Загрузить_из_модели() override;
  QWidget* Начальный_фокус() override;
  std::string Текст_приглашения() const override;
  std::string Второй_текст_приглашения() const override;
  void После_расчёта(Итог итог) override;
  std::string Текст_неудачи() const override;
  std::string Второй_текст_неудачи() const override;

 private:
  Модель_санитарные_ограничения& модель() const {
    return Модель_как<Модель_санитарные_ограничения>();
  }
};

}  // namespace korvella
