// The special-room timetable and the sanitary prohibitions, computed together
// (step 8).
//
// Алгоритм_перестановок spreads every class's room visits over the days
// (Таблица_РНКлассов_по_дням_недели), places each day's visits into hours
// (Алгоритм_ТМ), checks the week and then places the sanitary prohibitions
// around the special-room lessons. A failure starts a new attempt within fixed
// bounds: 45 day failures in the whole calculation, 133 attempts a pass and 10
// restarts. The first pass accepts only prohibitions at the ends of the days;
// the later passes also take the first lessons.
//
// Result, in the main record: Расписание_спецпомещений (class × hour → room
// 1..R, 0 = none), Таблица_санитарных_запрещений (2 = forbidden) and
// Таблица_запрещений_на_проведение_уроков as rebuilt before the sanitary
// placement (1 = a special-room lesson). On failure all ten class × hour
// tables are zero.
#pragma once

#include "auxiliary/room_day_placement.h"
#include "core/main_record.h"

namespace korvella {

// Таблица_РНК: 1 = class c visits room r on day d; [1..28 class][1..4 room][1..6 day].
using Таблица_РНК = Куб<int32, kМаксимум_классов, kМаксимум_спецпомещений, kМаксимум_дней>;

constexpr int kПредел_отказов_дней = 45;
constexpr int kПопыток_прохода = 133;
constexpr int kПерезапусков = 10;

// Which day each visit happens: every day each room takes up to L visits, at
// most one per class, the classes with the most visits left first (ties to the
// lowest class number while no day has failed, `отказов_дней` = 0, at random
// afterwards). Visits left after the last day are dropped.
void Таблица_РНКлассов_по_дням_недели(int отказов_дней, int классов, int помещений,
                                      int уроков_в_день, int дней, const Матрица_дня& нагрузки,
                                      Таблица_РНК& РНК);

// What one calculation did.
struct Ход_перестановок {
  bool неудача = false;                // the overall failure flag
  bool слишком_много_отказов = false;  // 45 day failures
  bool санитарная_неудача = false;     // the last sanitary placement failed
  bool проверка_не_прошла = false;     // one of checks 1 to 5 failed
  int проходов = 0;                    // passes begun (restarts + 1)
  int попыток = 0;                     // attempts in all passes
  int попыток_прохода = 0;             // attempts of the last pass
  int отказов_дней = 0;                // F
  Счётчики_случаев случаи;
};

// The calculation of step 8 on the main record: L, D, C, R, the prohibition
// counts and the room loads are read from it, the three tables above written.
// The caller clears the ten tables first (Обнуление_всех_таблиц_запрещений),
// as step 8's "Рассчитать" does. A result that breaks its own consistency
// (a room lesson on a forbidden hour, a wrong number of prohibitions) ends the
// program through a fatal check.
Ход_перестановок Алгоритм_перестановок(тип_Главная_запись& запись);

}  // namespace korvella
