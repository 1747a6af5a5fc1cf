// Weekly loads of the year groups: the sanitary norm table (the most lessons a
// week a class of each year group may have) and the loads proposed from it.
#pragma once

#include <vector>

#include "core/main_record.h"

namespace korvella {

// The lightest load the norms allow any year group.
constexpr int kМинимальная_нагрузка_параллели = 29;

// Norms of year groups 1..P (1 = the oldest) for P = 5..9 and L = 6 (six-day
// week) or 7 (five-day week); an internal stop for any other P or L.
std::vector<int> Санитарные_нормы(int параллелей, int уроков_в_день);

// Each year group gets its norm; the school's minimum is 0.93 of the norms'
// total over all classes, rounded to the nearest integer (halves to even).
void Поиск_вектора_учебной_нагрузки_параллелей(int параллелей, int уроков_в_день,
                                               const Вектор<int32, kМаксимум_параллелей>& классов,
                                               int32& минимальная_нагрузка,
                                               Вектор<int32, kМаксимум_параллелей>& нагрузки);

// Σ load × classes over the year groups 1..P.
int Нагрузка_школы(int параллелей, const Вектор<int32, kМаксимум_параллелей>& нагрузки,
                   const Вектор<int32, kМаксимум_параллелей>& классов);

}  // namespace korvella
