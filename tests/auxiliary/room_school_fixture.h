// A school as steps 1–7 leave it with the special-room task: C classes in five
// year groups, R rooms with the loads autogeneration proposes, and the
// prohibition counts the sanitary norms give (or the given ones for classes
// 1, 2, ...).
#pragma once

#include <vector>

#include "auxiliary/special_rooms.h"
#include "core/main_record.h"

namespace korvella::testing {

inline void Школа_со_спецпомещениями(тип_Главная_запись& з, int C, int D, int L, int R,
                                     const std::vector<int>& запрещений = {}) {
  з.Количество_учебных_дней_в_неделе = D;
  з.Количество_уроков_в_день = L;
  з.Количество_классов_в_школе = C;
  з.Количество_параллелей_в_школе = 5;
  з.Количество_спецпомещений = R;
  з.Последняя_показанная_форма = 7;
  з.Флаг_задачи_спецпомещений = true;
  Создание_списка_спецпомещений(R, з.Список_спецпомещений);
  Распределение_нагрузки_классов(R, C, L, D, з.Продолжительность_учебной_недели,
                                 з.Нагрузка_классов_в_спецпомещениях);
  // Year groups of 6×6 and 5×7 schools: D·L minus the norm of each.
  const int kПо_нормам[2][5] = {{0, 0, 1, 3, 4}, {2, 2, 3, 5, 6}};
  for (int k = 1; k <= C; ++k) {
    з.Таблица_классов(k).Имя = std::to_string(k) + "А";
    з.Таблица_классов(k).Параллель = (k - 1) * 5 / C + 1;
    з.Вектор_запрещений_у_классов(k) = k <= static_cast<int>(запрещений.size())
                                           ? запрещений[k - 1]
                                           : kПо_нормам[L == 7][(k - 1) * 5 / C];
  }
}

}  // namespace korvella::testing
