// The teachers' working days: how many days each one works, and which, spread
// evenly over the week by a maximum flow from teachers to days.
#pragma once

#include <vector>

#include "core/main_record.h"
#include "timetable/parallelepiped.h"

namespace korvella {

using Вектор_преподавателей = Вектор<int32, kМаксимум_преподавателей>;
// [1..6 day, 1..112 teacher]: 1 = the teacher works that day.
using Таблица_день_преподаватель = Матрица<int32, kМаксимум_дней, kМаксимум_преподавателей>;
// [1..36 hour, 1..112 teacher].
using Таблица_час_преподаватель = Матрица<int32, kМаксимум_часов, kМаксимум_преподавателей>;

// A teacher with more hours than this works every day and loses a first-lesson ban.
constexpr int kНаибольшая_нагрузка_с_запретом = 17;

struct Выходные_преподавателей {
  Вектор_преподавателей Копия_вектора_отказников{};
  Вектор_преподавателей Вектор_рабочих_дней_преподавателей{};
  Таблица_день_преподаватель Распределение_по_дням{};
};

// Lays out the days off with `лишаемых` teachers deprived of theirs. Writes each
// teacher's largest cell into its record. `порядок` (teachers 1..T in some order)
// is the order in which the teachers enter the flow network; empty = 1..T.
void Равномерное_распределение_выходных(int лишаемых, int D, int L, int T,
                                        const Параллелепипед& параллелепипед,
                                        const Вектор_преподавателей& отказники,
                                        Вектор<тип_Запись_преподавателя, kМаксимум_преподавателей>&
                                            список_преподавателей,
                                        Выходные_преподавателей& выходные,
                                        const std::vector<int>& порядок = {});

// Teachers 1..T in a random order (Fisher–Yates on the process generator): a new
// order of entering the flow network gives a new layout of the same balance.
std::vector<int> Случайный_порядок_преподавателей(int T);

// Planned working days of a teacher with `сумма` hours and largest cell `наибольшая`.
int Плановые_рабочие_дни(int сумма, int наибольшая, int D, int L);

// Capacity of each day towards the sink: W units dealt out one at a time from day 1.
int Ёмкость_дня(int день, int W, int D);

}  // namespace korvella
