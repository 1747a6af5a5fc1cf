// Sanitary prohibitions: how many hours of the week each class must leave free
// (the week's length minus its year group's load), and the stand-alone
// placement of those hours at the ends of the days.
#pragma once

#include "core/main_record.h"

namespace korvella {

// The value that marks a forbidden hour in Таблица_санитарных_запрещений.
constexpr int kСанитарный_запрет = 2;

// Class k of year group p gets D·L − load(p) hours to forbid; classes are
// numbered through the year groups in order.
void Вектора_сан_нагрузки_и_запрещений(int уроков_в_день, int дней, int параллелей,
                                       const Вектор<int32, kМаксимум_параллелей>& нагрузки,
                                       const Вектор<int32, kМаксимум_параллелей>& классов,
                                       Вектор<int32, kМаксимум_классов>& запрещений);

// Stand-alone placement (no special rooms): for every class, from the last, the
// last lessons of the days from the last day backwards, then the last-but-one
// lessons the same way. A class needing more than 2·D hours fails the whole
// placement, and the table is left empty.
void Добавление_санитарных_запрещений(int дней, int уроков_в_день, int классов,
                                      const Вектор<int32, kМаксимум_классов>& запрещений,
                                      bool& неудача, Таблица_класс_час& таблица);

}  // namespace korvella
