// Step 8's window: the joint calculation of the special-room timetable and the
// sanitary prohibitions, on the calculation-window base.
#pragma once

#include "auxiliary/room_timetable_step.h"
#include "shell/windows/calculation_window.h"

namespace korvella {

class TФорма_расписание_спецпомещений : public Окно_расчёта {
 public:
  TФорма_расписание_спецпомещений(Среда& среда, QWidget* родитель = nullptr);

  Модель_расписания_спецпомещений& Модель_спецпомещений() const {
    return Модель_как<Модель_расписания_спецпомещений>();
  }

 protected:
  std::string Текст_приглашения() const override;
  std::string Второй_текст_приглашения() const override;
  std::string Текст_неудачи() const override;
  std::string Второй_текст_неудачи() const override;
};

}  // namespace korvella
