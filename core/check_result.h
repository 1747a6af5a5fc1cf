// What a check of one stored timetable found. Every timetable has its own check
// (the main timetable's in timetable/, the auxiliary ones in their areas), so
// `korvella-cli check` can verify each finished table from the data file alone.
#pragma once

#include <string>
#include <vector>

namespace korvella {

struct Итог_проверки_расписания {
  std::vector<std::string> нарушения;  // one line each, in English
  int уроков = 0;                       // lessons seen, for the report's first line
  bool Верно() const { return нарушения.empty(); }
};

}  // namespace korvella
