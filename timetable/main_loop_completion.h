// The whole calculation of one attempt at the main timetable: parallelepiped,
// preparation of the week, the main loop and the final checks, on the record.
#pragma once

#include <memory>
#include <vector>

#include "core/main_record.h"
#include "timetable/main_loop.h"
#include "timetable/main_loop_preparation.h"

namespace korvella {

enum class Итог_достраивания {
  Готово,
  Неудача,                  // the iterations ran out: a partial week is stored
  Нехватка_преподавателей,  // the preparation ran out of teachers to deprive
  Остановлено,              // the stop flag was set (a partial week may be stored)
};

// Working storage of a calculation (several hundred kilobytes), kept between attempts.
struct Рабочая_память_достраивания {
  Параллелепипед параллелепипед;
  Подготовка_недели подготовка{};
  Память_главного_цикла память_цикла{};
  Результат_главного_цикла результат_цикла{};
};

// Writes Школьное_расписание and Расписание_предметов of the record. `порядок`
// is the order of the teachers in the days-off network (empty = 1..T);
// `предел_итераций` bounds the main loop (0 = the full limit).
Итог_достраивания Процедуры_достраивания(тип_Главная_запись& запись, Управление_расчётом& управление,
                                         Рабочая_память_достраивания& память,
                                         const std::vector<int>& порядок = {},
                                         int предел_итераций = 0);

}  // namespace korvella
