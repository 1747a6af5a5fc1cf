// Step 17, "Построение расписания для потоков": the calculation of the stream
// lessons' hours. The window shows the texts and runs Рассчитать() on the
// thread pool.
#pragma once

#include <string>

#include "auxiliary/streams_timetable.h"
#include "shell/step_model.h"

namespace korvella {

class Модель_расписание_для_потоков : public Модель_расчётного_шага {
 public:
  static constexpr int kНомер = 17;
  static constexpr const char* kТекст_приглашения =
      "Все исходные данные для расчета расписания потоков сформированы. Рачитать?";
  static constexpr const char* kТекст_неудачи =
      "При таких ограничениях решение задачи  с потоками не существует.";

  explicit Модель_расписание_для_потоков(Среда& среда) : Модель_расчётного_шага(среда, kНомер) {}

  const Ход_расчёта_потоков& Ход() const { return ход_; }
  // The path that gave the result, the colouring's tries and the total load.
  std::string Сводка_расчёта() const override;

 protected:
  Итог Выполнить_расчёт() override;

 private:
  Ход_расчёта_потоков ход_;
};

}  // namespace korvella
