// Which staff teacher may teach which subject: the competence table and its
// first proposal.
#pragma once

#include "core/main_record.h"

namespace korvella {

using Таблица_компетентности_т = Матрица<int32, kМаксимум_предметов, kМаксимум_преподавателей>;
using Вектор_предметов = Вектор<int32, kМаксимум_предметов>;

// Set by "Пропустить" of the competence step: the load is then distributed by
// hand, so the distribution's failure is expected and not reported. Stays set
// until the program ends.
extern bool Флаг_пропуска_компетентности;

// Each teacher gets one subject: the first need[1] teachers subject 1, the next
// need[2] subject 2, and so on. Teachers past the T-th are never written.
void Построение_таблицы_компетентности(int преподавателей, int предметов,
                                       const Вектор_предметов& потребность,
                                       Таблица_компетентности_т& компетентность);

// Number of teachers competent for subject s.
int Количество_компетентных(const Таблица_компетентности_т& компетентность, int преподавателей,
                            int предмет);

}  // namespace korvella
