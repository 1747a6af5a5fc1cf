// Small schools built directly in a main record, for the tests of the main
// timetable's calculation.
#pragma once

#include <memory>
#include <vector>

#include "core/main_record.h"
#include "timetable/parallelepiped.h"

namespace korvella::тест {

struct Строка_плана {
  int класс, предмет, часы, преподаватель;
};

// A record with D days of L lessons, K classes, N subjects, T teachers and the
// given load rows; teachers' loads follow from the rows, no hour is banned.
std::unique_ptr<тип_Главная_запись> Школа(int D, int L, int K, int N, int T,
                                         const std::vector<Строка_плана>& строки);

// K classes, each with `предметов` subjects of `часов` hours, teacher of subject s
// in class c = ((c − 1) + (s − 1)·K) mod T + 1: a school with an easy timetable.
std::unique_ptr<тип_Главная_запись> Ровная_школа(int D, int L, int K, int T, int предметов,
                                                int часов);

// The parallelepiped of the record's load rows.
Параллелепипед Параллелепипед_школы(const тип_Главная_запись& з);

}  // namespace korvella::тест
