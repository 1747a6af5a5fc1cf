// Checks a stored streams' timetable against what the record alone lets one
// judge: the streams partition their classes in pairs or singles, each stream
// holds exactly its load in both of its classes, no two streams share an hour, no
// stream hour is taken by the sanitary, special-room or part-timer tables, and
// the main timetable leaves the stream hours free. A timetable not marked done
// (a failed calculation) must be empty.
#pragma once

#include "core/check_result.h"
#include "core/main_record.h"

namespace korvella {

struct Итог_проверки_потоков : Итог_проверки_расписания {
  // Streams with two lessons on one day. The colouring never places them; the
  // fallback may, and the record does not tell which path ran.
  int потоков_с_двумя_уроками_в_день = 0;
};

// Whether there is anything to check: the timetable is done or holds lessons.
bool Расписание_потоков_есть(const тип_Главная_запись& запись);

Итог_проверки_потоков Проверка_расписания_потоков(const тип_Главная_запись& запись);

}  // namespace korvella
