// Checks a stored main timetable against every rule that the record alone lets
// one judge: each load row placed exactly its hours with its teacher, no teacher
// in two classes at once, no lesson in a banned hour, every free hour filled, no
// subject twice a day in a class, the teachers' loads, nothing outside the week.
// It knows nothing of how the timetable was made, so it also checks the calculation.
#pragma once

#include "core/check_result.h"
#include "core/main_record.h"

namespace korvella {

// `требовать_готовности`: a record whose main timetable is not marked done fails.
Итог_проверки_расписания Проверка_основного_расписания(const тип_Главная_запись& запись,
                                                       bool требовать_готовности = true);

}  // namespace korvella
