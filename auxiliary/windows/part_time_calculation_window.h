// Step 13's window: the calculation of the part-time teachers' timetable.
#pragma once

#include "auxiliary/part_time_calculation_step.h"
#include "shell/windows/calculation_window.h"

namespace korvella {

class TФорма_расчета_расписания_совместителей : public Окно_расчёта {
 public:
  TФорма_расчета_расписания_совместителей(Среда& среда, QWidget* родитель = nullptr);

 protected:
  std::string Текст_приглашения() const override;
  std::string Текст_неудачи() const override;
  std::string Второй_текст_неудачи() const override;
};

}  // namespace korvella
