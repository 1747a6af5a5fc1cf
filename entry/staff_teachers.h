// How many staff teachers the school needs and how they spread over the subjects:
// one teacher per 18 weekly lessons of a subject, balanced to the school's bounds.
#pragma once

#include <array>

#include "core/main_record.h"

namespace korvella {

constexpr int kДлина_ФИО_преподавателя = 23;
constexpr int kЧасов_на_предметника = 18;

using Вектор_потребности = Вектор<int32, kМаксимум_предметов>;
using План_школы = Матрица<int32, kМаксимум_предметов, kМаксимум_классов>;

// Teachers a subject with this many weekly lessons needs: lessons / 18 rounded
// to the nearest integer, an exact half to the even neighbour; at least 1.
int Потребность_в_предметниках(int часов);

// The balancing step over the needs of subjects 1..S. Each raise or lowering
// takes the unmarked subject with the largest need (the first on ties) and marks
// it, so repeated steps go round the subjects; once all are marked the marks clear.
struct Балансировка_предметников {
  Балансировка_предметников(Вектор_потребности& потребность, int предметов);

  // A subject whose need is 0 can be raised when no unmarked subject has a
  // positive need, so a subject left without teachers gets one first of all.
  bool Поднять();
  // Only needs above 1 are lowered: every subject keeps a teacher.
  bool Понизить();
  int Сумма() const;
  void Снять_отметки();

  Вектор_потребности& потребность;
  int S;
  std::array<bool, kМаксимум_предметов + 1> отметки{};

 private:
  int Выбрать(int наименьшая_потребность) const;
  void Отметить(int предмет);
};

// Proposes the staff: the needs from the curriculum, their sum raised to the
// minimum (and, by the flags, lowered to it or raised to the stored maximum),
// default names, and the bounds of the teacher count.
void Формирование_списка_преподавателей_без_разделений(
    int предметов, int классов, bool можно_уменьшать, bool поднять_до_максимума,
    const План_школы& план, Вектор<тип_Запись_преподавателя, kМаксимум_преподавателей>& список,
    Вектор_потребности& потребность, int32& преподавателей, int32& минимум, int32& максимум);

// Adapts the needs to a new teacher count T.
void Пересчет_вектора_предметников(int предметов, int преподавателей,
                                   Вектор_потребности& потребность);

// The lower bound of the teacher count: C + C div 6, at least S.
int Минимум_преподавателей(int классов, int предметов);

}  // namespace korvella
