// Column widths of the timetable grids, recomputed by the main window's timer when
// its width changes: the two fixed columns keep their widths and the days share
// what is left.
#pragma once

namespace korvella {

struct Ширины_столбцов {
  int нулевой;
  int первый;
  int по_умолчанию;  // every day column
};

// (W - 159) / D, columns 60 and 47.
Ширины_столбцов Ширины_столбцов_классов(int ширина_окна, int дней);
// (W - 261) / D, columns 162 and 47.
Ширины_столбцов Ширины_столбцов_преподавателей(int ширина_окна, int дней);

}  // namespace korvella
