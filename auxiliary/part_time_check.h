// Checks a stored part-timers' timetable against every rule that the record
// alone lets one judge, knowing nothing of how it was made: each part-timer's
// lessons in each class as the lesson table says, on different days, on its
// working days, never in a first lesson it is banned from, never in two classes
// at once, never in a sanitary or special-room hour, and no main lesson in its
// hours. A timetable not marked done must be empty.
#pragma once

#include "core/check_result.h"
#include "core/main_record.h"

namespace korvella {

Итог_проверки_расписания Проверка_расписания_совместителей(const тип_Главная_запись& запись);

// Whether there is anything to check: the timetable is marked done, or it holds
// lessons all the same (what a failed calculation must never leave).
bool Есть_расписание_совместителей(const тип_Главная_запись& запись);

}  // namespace korvella
