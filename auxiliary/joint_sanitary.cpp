#include "auxiliary/joint_sanitary.h"

#include <string>

#include "auxiliary/sanitary.h"
#include "core/failure.h"

namespace korvella {

void Добавление_санитарных_запрещений(int D, int L, int C, bool первый_проход,
                                      const Вектор<int32, kМаксимум_классов>& запрещений,
                                      const Таблица_класс_час& T, bool& неудача,
                                      Таблица_класс_час& S) {
  Под_охраной("Добавление_санитарных_запрещений", [&] {
    const int W = D * L;
    if (C < 0 || C > kМаксимум_классов || D < 1 || L < 2 || W > kМаксимум_часов)
      Внутренняя_остановка("Таблица_санитарных_запрещений: " + std::to_string(C) + " классов, " +
                           std::to_string(D) + "x" + std::to_string(L));
    for (int k = 1; k <= C; ++k)
      for (int h = 1; h <= W; ++h) S(k, h) = 0;
    неудача = false;
    for (int k = C; k >= 1; --k) {
      int n = запрещений(k);
      if (n <= 0) continue;
      auto Свободен = [&](int h) { return T(k, h) == 0; };
      // One walk over the days from the last back to the first; `час` gives the
      // hour to mark on day d, or 0.
      auto Пройти_дни = [&](auto час) {
        for (int d = D; d >= 1 && n > 0; --d) {
          if (const int h = час(d * L - L + 1, d * L); h != 0) {
            S(k, h) = kСанитарный_запрет;
            --n;
          }
        }
      };
      Пройти_дни([&](int, int b) { return Свободен(b) ? b : 0; });
      Пройти_дни([&](int, int b) { return Свободен(b - 1) && Свободен(b) ? b - 1 : 0; });
      Пройти_дни([&](int a, int b) { return Свободен(a) && !Свободен(b) ? a : 0; });
      if (первый_проход && n > 0) {
        неудача = true;
        return;
      }
      Пройти_дни([&](int a, int) { return Свободен(a) && S(k, a) == 0 ? a : 0; });
      Пройти_дни([&](int a, int) { return Свободен(a) && Свободен(a + 1) ? a + 1 : 0; });
      if (n > 0) {
        неудача = true;
        return;
      }
    }
  });
}

}  // namespace korvella
