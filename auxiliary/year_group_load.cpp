#include "auxiliary/year_group_load.h"

#include <cmath>
#include <string>

#include "core/failure.h"

namespace korvella {

std::vector<int> Санитарные_нормы(int P, int L) {
  // Rows P = 5..9; the oldest year group first.
  static const std::vector<int> kШестидневка[] = {
      {36, 36, 35, 33, 32},
      {36, 36, 36, 35, 33, 32},
      {36, 36, 36, 36, 35, 33, 32},
      {36, 36, 36, 36, 36, 35, 33, 32},
      {36, 36, 36, 36, 36, 36, 35, 33, 32},
  };
  static const std::vector<int> kПятидневка[] = {
      {33, 33, 32, 30, 29},
      {34, 33, 33, 32, 30, 29},
      {34, 34, 33, 33, 32, 30, 29},
      {34, 34, 34, 33, 33, 32, 30, 29},
      {34, 34, 34, 34, 33, 33, 32, 30, 29},
  };
  if (L != 6 && L != 7) Внутренняя_остановка("Количество уроков в день = " + std::to_string(L));
  if (P < 5 || P > kМаксимум_параллелей)
    Внутренняя_остановка("Количество параллелей в школе = " + std::to_string(P));
  return L == 6 ? kШестидневка[P - 5] : kПятидневка[P - 5];
}

void Поиск_вектора_учебной_нагрузки_параллелей(int P, int L,
                                               const Вектор<int32, kМаксимум_параллелей>& классов,
                                               int32& минимальная_нагрузка,
                                               Вектор<int32, kМаксимум_параллелей>& нагрузки) {
  Под_охраной("Поиск_вектора_учебной_нагрузки_параллелей", [&] {
    const std::vector<int> нормы = Санитарные_нормы(P, L);
    long сумма = 0;
    for (int p = 1; p <= P; ++p) {
      нагрузки(p) = нормы[p - 1];
      сумма += static_cast<long>(нормы[p - 1]) * классов(p);
    }
    // The product in double precision, then rounding with ties to even.
    минимальная_нагрузка = static_cast<int32>(std::nearbyint(0.93 * static_cast<double>(сумма)));
  });
}

int Нагрузка_школы(int P, const Вектор<int32, kМаксимум_параллелей>& нагрузки,
                   const Вектор<int32, kМаксимум_параллелей>& классов) {
  int сумма = 0;
  for (int p = 1; p <= P && p <= kМаксимум_параллелей; ++p) сумма += нагрузки(p) * классов(p);
  return сумма;
}

}  // namespace korvella
