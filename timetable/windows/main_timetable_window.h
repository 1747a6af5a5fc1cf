// Step 29's window: the calculation of the main timetable with its stopwatch,
// counters and stop button.
#pragma once

#include "shell/windows/calculation_window.h"
#include "timetable/main_timetable_step.h"

namespace korvella {

class TФорма_расчета_без_разделений : public Окно_расчёта {
 public:
  TФорма_расчета_без_разделений(Среда& среда, QWidget* родитель = nullptr);

  Модель_основного_расписания& Модель_расписания() const {
    return Модель_как<Модель_основного_расписания>();
  }

 protected:
  void Загрузить_из_модели() override;
  std::string Текст_приглашения() const override;
  void После_расчёта(Итог итог) override;
  void При_тике_секундомера() override;

 private:
  void Показать_надписи();
};

}  // namespace korvella
