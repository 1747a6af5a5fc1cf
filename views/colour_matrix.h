// The colour matrices of the class and teacher grids: one code per timetable cell
// (row, day), kept beside the grid's texts for the whole run.
#pragma once

#include <cstdint>

#include "core/main_record.h"

namespace korvella {

// 189 teachers of at most 7 lessons; the class grid uses the first 196 rows.
constexpr int kСтрок_матрицы_раскраски = 1323;

using Матрица_раскраски = Матрица<std::int32_t, kСтрок_матрицы_раскраски, kМаксимум_дней>;

extern Матрица_раскраски Матрица_раскраски_классов;
extern Матрица_раскраски Матрица_раскраски_преподавателей;

// Code of the cell in grid coordinates; 0 for the fixed cells and outside the matrix.
inline int Код_ячейки(const Матрица_раскраски& м, int столбец, int строка) {
  const int день = столбец - 1;
  if (строка < 1 || строка > kСтрок_матрицы_раскраски || день < 1 || день > kМаксимум_дней)
    return 0;
  return м(строка, день);
}

}  // namespace korvella
