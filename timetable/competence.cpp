#include "timetable/competence.h"

#include "core/failure.h"

namespace korvella {

bool Флаг_пропуска_компетентности = false;

void Построение_таблицы_компетентности(int преподавателей, int предметов,
                                       const Вектор_предметов& потребность,
                                       Таблица_компетентности_т& компетентность) {
  Под_охраной("Построение_таблицы_компетентности", [&] {
    for (int s = 1; s <= предметов; ++s)
      for (int t = 1; t <= преподавателей; ++t) компетентность(s, t) = 0;
    int j = 0;
    for (int s = 1; s <= предметов; ++s) {
      // A need vector summing above T (a stored task not yet balanced by the
      // teachers step) would otherwise write past the last teacher.
      for (int k = 0; k < потребность(s) && j < преподавателей; ++k) компетентность(s, ++j) = 1;
    }
  });
}

int Количество_компетентных(const Таблица_компетентности_т& компетентность, int преподавателей,
                            int предмет) {
  int количество = 0;
  for (int t = 1; t <= преподавателей; ++t)
    if (компетентность(предмет, t) == 1) ++количество;
  return количество;
}

}  // namespace korvella
