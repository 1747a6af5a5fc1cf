// The preparation of the week before the main loop: days off, first-lesson
// closures and availability, repeated with one more teacher deprived of a day
// off each time some hour has too few available teachers.
#pragma once

#include <vector>

#include "timetable/days_off.h"
#include "timetable/parallelepiped.h"

namespace korvella {

struct Входы_подготовки {
  int K = 0, T = 0, D = 0, L = 0;
  const Параллелепипед& параллелепипед;
  const Вектор_преподавателей& отказники;
  Вектор<тип_Запись_преподавателя, kМаксимум_преподавателей>& список_преподавателей;
  std::vector<int> порядок;  // order of the teachers in the flow network; empty = 1..T
};

struct Подготовка_недели {
  Выходные_преподавателей выходные{};
  Таблица_час_преподаватель ЗПУШ{};
  Таблица_час_преподаватель доступность{};
  int лишённых = 0;     // teachers deprived of their day off in the accepted layout
  int повторений = 0;
  bool нехватка = false;  // no layout passed even with more than T deprived
};

// Runs the repetitions until every hour has enough teachers; false (and
// `нехватка`) when the count of deprived teachers exceeds T.
bool Подготовка_доступности_преподавателей(const Входы_подготовки& входы, Подготовка_недели& итог);

}  // namespace korvella
