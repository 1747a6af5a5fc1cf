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

// A school made backwards from a random valid week: each class has about
// `доля_запретов` of its hours banned, every other hour gets a teacher free then
// (available per `доступность` when given: [hour][teacher], 1 = available) and new
// to the class that day; each class–teacher pair becomes one subject of the class.
// So a timetable exists. Needs T ≥ K + L for the greedy week to succeed.
std::unique_ptr<тип_Главная_запись> Школа_из_недели(
    int D, int L, int K, int T, double доля_запретов, unsigned зерно,
    const std::vector<std::vector<int>>& доступность = {});

// A 5×7 school without any timetable, for which every class on its own looks
// fine: each class is free in the first two lessons of every day (10 hours),
// and every three classes share one teacher of 4 hours in each, who would need
// 12 of those 10 hours. Each class also has its own teachers of 4 and 2 hours.
std::unique_ptr<тип_Главная_запись> Школа_с_перегруженными_учителями(int K);

// The parallelepiped of the record's load rows.
Параллелепипед Параллелепипед_школы(const тип_Главная_запись& з);

}  // namespace korvella::тест
