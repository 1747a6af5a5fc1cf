#include "views/column_widths.h"

#include <cmath>

namespace korvella {
namespace {

int Доля_дня(int ширина_окна, int запас, int дней) {
  if (дней <= 0) return 0;
  return static_cast<int>(std::lround(static_cast<double>(ширина_окна - запас) / дней));
}

}  // namespace

Ширины_столбцов Ширины_столбцов_классов(int ширина_окна, int дней) {
  return {60, 47, Доля_дня(ширина_окна, 159, дней)};
}

Ширины_столбцов Ширины_столбцов_преподавателей(int ширина_окна, int дней) {
  return {162, 47, Доля_дня(ширина_окна, 261, дней)};
}

}  // namespace korvella
