#include "auxiliary/room_day_placement.h"

#include <string>
#include <tuple>

#include "core/failure.h"
#include "core/random.h"

namespace korvella {
namespace {

// A drawn hour outside the week would index past the tables.
int Проверенный_час(const Размещение_дня& день, int h) {
  if (h < 1 || h > день.Часов())
    Внутренняя_остановка("Модуль: Алгоритм_ТМ - час " + std::to_string(h) + " вне недели");
  return h;
}

// Whether some hour of a..b qualifies. A draw loop that cannot hit is skipped:
// its draws would only run out, and every later draw reseeds first, so no
// result changes; the bound of W³ draws then costs nothing.
template <class Условие>
bool Найдётся(int от, int до, Условие условие) {
  for (int h = от; h <= до; ++h)
    if (условие(h)) return true;
  return false;
}

}  // namespace

Размещение_дня::Размещение_дня(int день, int уроков_в_день, int дней, int классов, int помещений,
                               const Вектор<int32, kМаксимум_классов>& запрещений,
                               const Таблица_класс_час& запреты, Таблица_класс_час& расписание_дня)
    : d_(день),
      L_(уроков_в_день),
      D_(дней),
      C_(классов),
      R_(помещений),
      запрещений_(запрещений),
      запреты_(запреты),
      расписание_(расписание_дня) {
  if (D_ < 1 || L_ < 1 || D_ * L_ > kМаксимум_часов || d_ < 1 || d_ > D_ || C_ < 1 ||
      C_ > kМаксимум_классов || R_ < 1 || R_ > kМаксимум_спецпомещений)
    Внутренняя_остановка("Модуль: Алгоритм_ТМ - день " + std::to_string(d_) + " из " +
                         std::to_string(D_) + ", " + std::to_string(L_) + " уроков, " +
                         std::to_string(C_) + " классов, " + std::to_string(R_) + " помещений");
  for (int c = 1; c <= C_; ++c)
    for (int h = 1; h <= Часов(); ++h) {
      const int r = расписание_(c, h);
      if (r >= 1 && r <= R_) ++держателей_[r][h];
    }
}

void Размещение_дня::Начать(const Матрица_дня& визиты) {
  for (int c = 1; c <= C_; ++c)
    for (int h = 1; h <= Часов(); ++h) расписание_(c, h) = 0;
  держателей_ = {};
  V_ = визиты;
  всего_ = 0;
  размещено_ = 0;
  for (int r = 1; r <= R_; ++r)
    for (int c = 1; c <= C_; ++c) всего_ += V_(r, c);
}

void Размещение_дня::Поставить(int c, int h, int помещение) {
  const int было = расписание_(c, h);
  if (было >= 1 && было <= R_) --держателей_[было][h];
  расписание_(c, h) = помещение;
  if (помещение >= 1 && помещение <= R_) ++держателей_[помещение][h];
}

void Размещение_дня::Учет_размещения(int r, int c) {
  V_(r, c) -= 1;
  размещено_ += 1;
}

void Размещение_дня::Проверить_комнаты_по_часам() const {
  for (int r = 1; r <= R_; ++r)
    for (int h = Первый_час(); h <= Последний_час(); ++h)
      if (держателей_[r][h] > 1)
        Внутренняя_остановка("Модуль: Алгоритм_ТМ - помещение " + std::to_string(r) +
                             " занято дважды в час " + std::to_string(h));
}

void Размещение_дня::Проверить_что_все_размещены() const {
  for (int r = 1; r <= R_; ++r)
    for (int c = 1; c <= C_; ++c)
      if (V_(r, c) != 0)
        Внутренняя_остановка("Модуль: Алгоритм_ТМ - помещение " + std::to_string(r) + ", класс " +
                             std::to_string(c) + ": осталось " + std::to_string(V_(r, c)) +
                             " после размещения дня");
}

std::pair<int, int> Выбор_элемента_расписания(const Размещение_дня& день) {
  const int R = день.Помещений(), C = день.Классов();
  int r = 0, c = 0;
  auto Первая_пара_по_помещениям = [&] {
    for (int i = 1; i <= R; ++i)
      for (int k = 1; k <= C; ++k)
        if (день.Осталось(i, k) > 0) return std::pair{i, k};
    return std::pair{0, 0};
  };
  if (день.Осталось_всего() == 1) {
    std::tie(r, c) = Первая_пара_по_помещениям();
  } else {
    Reseed();
    const int розыгрышей = (C * R) * (C * R);
    for (int i = 0; i < розыгрышей && r == 0; ++i) {
      const int rr = 1 + Random(R);
      const int cc = 1 + Random(C);
      if (день.Осталось(rr, cc) > 0) r = rr, c = cc;
    }
    for (int k = 1; k <= C && r == 0; ++k)
      for (int i = 1; i <= R && r == 0; ++i)
        if (день.Осталось(i, k) > 0) r = i, c = k;
  }
  if (r < 1 || r > R || c < 1 || c > C)
    Внутренняя_остановка("Модуль: Выбор_элемента_расписания - помещение " + std::to_string(r) +
                         ", класс " + std::to_string(c));
  // In a five-day week a class with many prohibitions gives its turn to a
  // later class that visits the same room.
  if (день.Дней() == 5) {
    const int выбранный = c;
    for (int n = C; n > выбранный; --n)
      if (день.Запрещений(c) >= 5 && день.Осталось(r, n) > 0) c = n;
  }
  return {r, c};
}

bool Первый_случай(Размещение_дня& день, int r, int c) {
  const int a = день.Первый_час(), b = день.Последний_час(), W = день.Часов();
  auto Подходит = [&](int h) { return день.Открыт(c, h) && день.Свободно(r, h); };
  Reseed();
  if (!Найдётся(a, b, Подходит)) return false;
  int час = 0;
  for (int i = 0; i < W * W + 1 && час == 0; ++i) {
    const int h = Проверенный_час(день, a + Random(день.Уроков()));
    if (Подходит(h)) час = h;
  }
  for (int h = a; h <= b && час == 0; ++h)
    if (Подходит(h)) час = h;
  день.Поставить(c, час, r);
  день.Учет_размещения(r, c);
  return true;
}

bool Второй_случай(Размещение_дня& день, int r, int c) {
  const int a = день.Первый_час(), b = день.Последний_час();
  for (int h1 = a; h1 <= b; ++h1) {
    if (!день.Открыт(c, h1)) continue;
    for (int h2 = a; h2 <= b; ++h2) {
      const int s = день.Ячейка(c, h2);
      if (s != 0 && h2 != h1 && день.Свободно(r, h2) && день.Свободно(s, h1)) {
        день.Поставить(c, h1, s);
        день.Поставить(c, h2, r);
        день.Учет_размещения(r, c);
        return true;
      }
    }
  }
  return false;
}

bool Третий_случай(Размещение_дня& день, int r, int c) {
  const int a = день.Первый_час(), b = день.Последний_час(), W = день.Часов();
  const long розыгрышей = static_cast<long>(W) * W * W + 1;
  for (int h1 = a; h1 <= b; ++h1) {
    if (!день.Открыт(c, h1)) continue;
    Reseed();
    auto Второй_час = [&](int h) {
      return день.Ячейка(c, h) != 0 && !день.Запрещён(c, h) && h != h1 && день.Свободно(r, h);
    };
    if (!Найдётся(1, W, Второй_час)) return false;
    int h2 = 0;
    for (long i = 0; i < розыгрышей && h2 == 0; ++i)
      if (const int h = Проверенный_час(день, 1 + Random(W)); Второй_час(h)) h2 = h;
    if (h2 == 0) return false;
    const int s = день.Ячейка(c, h2);
    auto Третий_час = [&](int h) {
      const int u = день.Ячейка(c, h);
      return u != 0 && h != h1 && h != h2 && день.Свободно(s, h) && день.Свободно(u, h1);
    };
    if (!Найдётся(a, b, Третий_час)) continue;
    int h3 = 0;
    for (long i = 0; i < розыгрышей && h3 == 0; ++i)
      if (const int h = Проверенный_час(день, a + Random(день.Уроков())); Третий_час(h)) h3 = h;
    if (h3 == 0) continue;
    const int u = день.Ячейка(c, h3);
    день.Поставить(c, h1, u);
    день.Поставить(c, h3, s);
    день.Поставить(c, h2, r);
    день.Учет_размещения(r, c);
    return true;
  }
  return false;
}

int Столбец_с_заменяемым_нулем(const Размещение_дня& день, int c) {
  for (int h = день.Первый_час(); h <= день.Последний_час(); ++h)
    if (день.Открыт(c, h)) return h;
  return 0;
}

int Столбец_без_элемента_расписания(const Размещение_дня& день, int c, int r, int z) {
  for (int h = 1; h <= день.Часов(); ++h)
    if (день.Ячейка(c, h) != 0 && день.Свободно(r, h) && h != z) return h;
  return 0;
}

// Case 1 has failed, so room r is held in every hour open for c; it is free in
// some hour y where c has another visit. That visit moves to the open hour z;
// the class that held the same room in z swaps its y and z entries, and so on
// along the chain. In the two columns every room sits at most once, so the
// chain is a path from c and never returns to it; r itself never enters it,
// being free in y. At the end y is empty for c and free for r.
bool Перестановка_Тарвина_Мельдорна(Размещение_дня& день, int r, int c) {
  const int z = Столбец_с_заменяемым_нулем(день, c);
  if (z == 0) return false;
  const int y = Столбец_без_элемента_расписания(день, c, r, z);
  if (y == 0) return false;
  int v = день.Ячейка(c, y);
  день.Поставить(c, z, v);
  день.Поставить(c, y, 0);
  int последний = c;
  int обменов = 0;
  bool нашёлся = true;
  while (нашёлся && v != 0 && обменов <= день.Классов()) {
    нашёлся = false;
    for (int k = 1; k <= день.Классов() && v != 0; ++k) {
      if (k == последний || день.Ячейка(k, z) != v) continue;
      нашёлся = true;
      последний = k;
      if (день.Ячейка(k, y) == 0 && день.Запрещён(k, y)) return false;
      const int в_y = день.Ячейка(k, y);
      день.Поставить(k, y, v);
      день.Поставить(k, z, в_y);
      v = в_y;
      ++обменов;
    }
  }
  день.Поставить(c, y, r);
  день.Учет_размещения(r, c);
  return true;
}

void Алгоритм_ТМ(int d, int L, int D, int C, int R,
                 const Вектор<int32, kМаксимум_классов>& запрещений, const Матрица_дня& визиты,
                 const Таблица_класс_час& запреты, bool& отказ_дня,
                 Таблица_класс_час& расписание_дня, Счётчики_случаев* счётчики) {
  Под_охраной("Алгоритм_ТМ", [&] {
    using Случай = bool (*)(Размещение_дня&, int, int);
    static constexpr Случай kСлучаи[] = {Первый_случай, Второй_случай, Третий_случай,
                                         Перестановка_Тарвина_Мельдорна};
    Размещение_дня день(d, L, D, C, R, запрещений, запреты, расписание_дня);
    отказ_дня = false;
    for (int попытка = 1;; ++попытка) {
      день.Начать(визиты);
      bool тупик = false;
      while (день.Осталось_всего() > 0 && !тупик) {
        const auto [r, c] = Выбор_элемента_расписания(день);
        тупик = true;
        for (int i = 0; i < 4 && тупик; ++i) {
          if (!kСлучаи[i](день, r, c)) continue;
          тупик = false;
          день.Проверить_комнаты_по_часам();
          if (счётчики) ++счётчики->случаев[i];
        }
      }
      if (!тупик) {
        день.Проверить_что_все_размещены();
        return;
      }
      if (счётчики) ++счётчики->тупиков;
      if (попытка >= kПопыток_дня) {
        отказ_дня = true;
        return;
      }
    }
  });
}

}  // namespace korvella
