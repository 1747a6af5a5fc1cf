// The sanitary prohibitions placed around the special-room lessons (step 8).
//
// Every class gets as many forbidden hours as its prohibition count, taken at
// the ends of the days so that they shorten a day and never open a gap in it:
// the last lessons, then the last-but-one where the last is forbidden too, the
// first lesson where the last one is a special-room lesson. Only from the
// second pass of the joint calculation on may the first and second lessons of
// any day be used as well.
#pragma once

#include "core/main_record.h"

namespace korvella {

// `запреты` holds the special-room lessons (T as just rebuilt); the marks go to
// `санитарные` (2 = forbidden). A class whose count cannot be placed sets
// `неудача` and ends the procedure; the marks made so far stay.
void Добавление_санитарных_запрещений(int дней, int уроков_в_день, int классов, bool первый_проход,
                                      const Вектор<int32, kМаксимум_классов>& запрещений,
                                      const Таблица_класс_час& запреты, bool& неудача,
                                      Таблица_класс_час& санитарные);

}  // namespace korvella
