// The preparation of the week before the main loop: days off, first-lesson
// closures and availability, repeated with one more teacher deprived of a day
// off each time some hour has too few available teachers for the school, or
// some class has too few of its teacher–subject pairs for one of its days.
#pragma once

#include <atomic>
#include <vector>

#include "timetable/days_off.h"
#include "timetable/parallelepiped.h"

namespace korvella {

struct Входы_подготовки {
  int K = 0, T = 0, D = 0, L = 0;
  const Параллелепипед& параллелепипед;
  const Вектор_преподавателей& отказники;
  Вектор<тип_Запись_преподавателя, kМаксимум_преподавателей>& список_преподавателей;
  const Таблица_класс_час& запреты_классов;  // nonzero = no main lesson in that hour
  std::vector<int> порядок;  // order of the teachers in the flow network; empty = 1..T
  const std::atomic<bool>* стоп = nullptr;  // polled once a repetition
};

// The first class, and its day, that the per-class daily test finds short; none
// (класс 0) when every class can fill every day.
struct Нехватка_класса {
  int класс = 0;
  int день = 0;
  explicit operator bool() const { return класс != 0; }
};

struct Подготовка_недели {
  Выходные_преподавателей выходные{};
  Таблица_час_преподаватель ЗПУШ{};
  Таблица_час_преподаватель доступность{};
  int лишённых = 0;     // teachers deprived of their day off in the accepted layout
  int повторений = 0;
  int отказов_классов = 0;  // repetitions refused by the per-class daily test
  bool нехватка = false;  // no layout passed even with more than T deprived
  // The per-class test's last refusal; with `нехватка`, why the layouts failed
  // when the school-wide count of teachers was not the cause.
  Нехватка_класса класс_без_пар{};
  // Even with every teacher available in every hour some class cannot fill a
  // day: no layout can pass, so the preparation ends at once.
  bool не_хватает_при_любой_раскладке = false;
  bool остановлена = false;  // the stop flag was found set
};

// A pair gives a class at most one lesson a day, so a day of the class can be
// filled only if its free hours do not outnumber the pairs whose teacher is
// available in one of them, and every free hour has some pair available. True
// (a shortage) when some class fails this on some day.
Нехватка_класса Нехватка_пар_класса_по_дням(int K, int D, int L, const Параллелепипед& параллелепипед,
                                 const Таблица_класс_час& запреты_классов,
                                 const Таблица_час_преподаватель& доступность);

// Runs the repetitions until every hour has enough teachers and every class
// enough pairs; false (and `нехватка`) when the count of deprived teachers
// exceeds T or no layout can pass, false (and `остановлена`) on a stop.
bool Подготовка_доступности_преподавателей(const Входы_подготовки& входы, Подготовка_недели& итог);

}  // namespace korvella
