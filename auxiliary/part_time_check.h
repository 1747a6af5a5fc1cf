// Checks a stored part-timers' timetable against every rule that the record
// alone lets one judge, knowing nothing of how it was made: each part-timer's
// lessons in each class as the lesson table says, on different days, on its
// working days, never in a first lesson it is banned from, never in two classes
// at once, never in a sanitary or special-room hour, and no main lesson in its
// hours. A timetable not marked done must be empty.
#pragma once

#include <string>
#include <vector>

#include "core/main_record.h"

namespace korvella {

struct Итог_проверки_совместителей {
  std::vector<std::string> нарушения;  // one line each, in English
  int уроков = 0;
  bool Верно() const { return нарушения.empty(); }
};

Итог_проверки_совместителей Проверка_расписания_совместителей(const тип_Главная_запись& запись);

}  // namespace korvella
