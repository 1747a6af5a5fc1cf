// Hand-made schools with part-time teachers: the record as steps 9–12 leave it.
#pragma once

#include <initializer_list>

#include "auxiliary/part_time_teachers.h"
#include "tests/entry/step_fixture.h"

namespace korvella::testing {

// Classes 1..C named "к1", "к2", ... in the given mode, after step 12.
inline void Школа_совместителей(Стенд& с, int C, int дней, int уроков, int M) {
  auto& з = с.запись();
  з.Количество_классов_в_школе = C;
  з.Количество_учебных_дней_в_неделе = дней;
  з.Количество_уроков_в_день = уроков;
  з.Количество_совместителей_в_школе = M;
  з.Максимальное_количество_совместителей = 9;
  з.Флаг_задачи_совместителей = true;
  for (int c = 1; c <= C; ++c) з.Таблица_классов(c).Имя = "к" + std::to_string(c);
  for (int p = 1; p <= kМаксимум_совместителей; ++p)
    for (int d = 1; d <= kМаксимум_дней; ++d)
      з.Таблица_нерабочих_дней_совместителей(p, d) = kНерабочий_день;
  з.Последняя_показанная_форма = 12;
}

// Part-timer p with its day loads, working days and first-lesson ban; the total
// load is the sum of the day loads.
inline void Совместитель(Стенд& с, int p, int первый, int второй, std::initializer_list<int> дни,
                         bool запрет = false) {
  auto& з = с.запись();
  auto& запись = з.Список_совместителей(p);
  запись.ФИО = "Совм_" + std::to_string(p);
  запись.Предмет = "Предм_" + std::to_string(p);
  запись.Первый = первый;
  запись.Второй = второй;
  запись.Нагрузка = первый + второй;
  for (int d : дни) з.Таблица_нерабочих_дней_совместителей(p, d) = 0;
  з.Вектор_запрета_для_совместителей_на_первый_урок(p) = запрет ? 1 : 0;
}

inline void Уроки(Стенд& с, int класс, int p, int уроков) {
  с.запись().Таблица_РПН_для_совместителей(класс, p) = уроков;
}

// Forbids the given hours of a class as the sanitary norms would.
inline void Санитарные_часы(Стенд& с, int класс, std::initializer_list<int> часы) {
  for (int h : часы) с.запись().Таблица_санитарных_запрещений(класс, h) = 2;
}

}  // namespace korvella::testing
