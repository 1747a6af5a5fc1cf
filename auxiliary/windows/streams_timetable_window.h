// Step 17's window: the calculation of the stream hours.
#pragma once

#include "auxiliary/streams_timetable_step.h"
#include "shell/windows/calculation_window.h"

namespace korvella {

class TФорма_расписание_для_потоков : public Окно_расчёта {
 public:
  TФорма_расписание_для_потоков(Среда& среда, QWidget* родитель = nullptr);

 protected:
  void Построить_дополнительные_элементы(QWidget* область) override;
  std::string Текст_приглашения() const override;
  std::string Текст_неудачи() const override;
  std::string Второй_текст_неудачи() const override;
};

}  // namespace korvella
