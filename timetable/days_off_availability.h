// From working days and first-lesson bans to the hour × teacher availability,
// and the test that every hour has enough available teachers for the classes.
#pragma once

#include "timetable/days_off.h"

namespace korvella {

// 0 on the first lesson of every day for each teacher whose (copy) ban is set.
void Инициализация_таблицы_ЗПУШ(int D, int L, int T, const Вектор_преподавателей& копия_отказников,
                                Таблица_час_преподаватель& ЗПУШ);

// 1 = the teacher is available in that hour: works that day and the hour is not
// a first lesson closed to it.
void Распределение_препод_по_часам(int D, int L, int T, const Таблица_день_преподаватель& по_дням,
                                   const Таблица_час_преподаватель& ЗПУШ,
                                   Таблица_час_преподаватель& доступность);

// True (the failure flag) unless every hour has at least K + K div 6 − 1 teachers.
bool Соотношение_классы_преподаватели(int K, int часов_в_неделю, int T,
                                      const Таблица_час_преподаватель& доступность);

}  // namespace korvella
