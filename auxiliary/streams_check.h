// Checks a stored streams' timetable against what the record alone lets one
// judge: the streams partition their classes in pairs or singles, each stream
// holds exactly its load in both of its classes, no two streams share an hour, no
// stream hour is taken by the sanitary, special-room or part-timer tables, and
// the main timetable leaves the stream hours free. A failed calculation must
// have left the table empty.
#pragma once

#include <string>
#include <vector>

#include "core/main_record.h"

namespace korvella {

struct Итог_проверки_потоков {
  bool проверялось = false;            // the streams task is chosen
  std::vector<std::string> нарушения;  // one line each, in English
  int уроков = 0;                      // stream lessons (hours given to streams)
  // Streams with two lessons on one day. The colouring never places them; the
  // fallback may, and the record does not tell which path ran.
  int потоков_с_двумя_уроками_в_день = 0;
  bool Верно() const { return нарушения.empty(); }
};

Итог_проверки_потоков Проверка_расписания_потоков(const тип_Главная_запись& запись);

// "streams: ..." lines for a report.
std::vector<std::string> Отчёт_проверки_потоков(const тип_Главная_запись& запись,
                                                const Итог_проверки_потоков& итог);

}  // namespace korvella
