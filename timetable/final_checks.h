// Consistency checks of a finished main timetable. Each guards an invariant of
// the main loop that valid data never break; a failure ends the program.
#pragma once

#include <vector>

#include "timetable/days_off.h"
#include "timetable/parallelepiped.h"

namespace korvella {

struct Данные_финальных_проверок {
  int K = 0, T = 0, N = 0, D = 0, L = 0;
  const Параллелепипед& параллелепипед;
  const std::vector<int32>& промежуточный;
  const Вектор_преподавателей& нагрузка_преподавателей;
  const Таблица_час_преподаватель& доступность;
  const Таблица_класс_час& запреты_классов;
  const Таблица_класс_час& расписание;  // teachers
  const Таблица_класс_час& предметы;
};

void Финальная_проверка_параллелепипеда(const Данные_финальных_проверок& д);
void Нагрузка_параллелепипеда_и_расписания(const Данные_финальных_проверок& д);
void Соответствие_по_каждому_преподавателю(const Данные_финальных_проверок& д);
void Совпадение_нагрузки_преподавателей(const Данные_финальных_проверок& д);
void Неповторяемость_преподавателей(const Данные_финальных_проверок& д);
void Ограничения_по_преподователям(const Данные_финальных_проверок& д);
void Безконфликтность_с_ограничениями_по_классам(const Данные_финальных_проверок& д);
void Проверка_на_неповторяемость_предмета(const Данные_финальных_проверок& д);

// All eight, in their order.
void Финальные_проверки(const Данные_финальных_проверок& д);

}  // namespace korvella
