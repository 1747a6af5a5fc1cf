// Placing one day's special-room visits into hours (Алгоритм_ТМ).
//
// Problem: on day d every class c visits some rooms, each at most once, and
// every room receives at most L visits; put each visit into an hour of the day
// so that no room holds two classes in one hour and no class is in two rooms.
// This is an edge colouring of the class–room graph with the L hours as
// colours, which always exists. The visits are taken one by one in random
// order and each goes in through the first of four cases of growing effort:
//   Первый_случай   an hour where the class and the room are both free;
//   Второй_случай   move one of the class's own visits to a free hour first;
//   Третий_случай   rotate two of the class's visits and the new one;
//   Перестановка_Тарвина_Мельдорна  swap two hour columns along a chain of
//                   classes (a Kempe chain), which never fails on a valid day.
// A try that gets stuck starts the day again, up to 300 tries.
//
// Cost: a visit costs O(W²) hour draws in the first case and up to O(L·W³)
// in the third; room occupancy is kept per hour, so each test is O(1).
#pragma once

#include <array>
#include <utility>

#include "core/main_record.h"

namespace korvella {

// Visits of one day or remaining visits: [1..4 room][1..28 class].
using Матрица_дня = Матрица<int32, kМаксимум_спецпомещений, kМаксимум_классов>;

// How often each case placed a visit, and the tries that got stuck.
struct Счётчики_случаев {
  std::array<long, 4> случаев{};  // Первый, Второй, Третий, Тарвина–Мельдорна
  long тупиков = 0;
};

// The state of one day's placement: the remaining visits V, the day's table
// and which room is held in which hour.
class Размещение_дня {
 public:
  Размещение_дня(int день, int уроков_в_день, int дней, int классов, int помещений,
                 const Вектор<int32, kМаксимум_классов>& запрещений,
                 const Таблица_класс_час& запреты, Таблица_класс_час& расписание_дня);

  // Starts a try: V = the day's visits, the day's table empty.
  void Начать(const Матрица_дня& визиты);

  int День() const { return d_; }
  int Уроков() const { return L_; }
  int Дней() const { return D_; }
  int Классов() const { return C_; }
  int Помещений() const { return R_; }
  int Часов() const { return D_ * L_; }
  int Первый_час() const { return d_ * L_ - L_ + 1; }  // a_d
  int Последний_час() const { return d_ * L_; }        // b_d
  int Запрещений(int c) const { return запрещений_(c); }

  int Ячейка(int c, int h) const { return расписание_(c, h); }
  // The class may take a visit in the hour: nothing placed there, not banned.
  bool Открыт(int c, int h) const { return расписание_(c, h) == 0 && запреты_(c, h) == 0; }
  bool Запрещён(int c, int h) const { return запреты_(c, h) != 0; }
  // No class holds room r in hour h.
  bool Свободно(int r, int h) const { return держателей_[r][h] == 0; }

  // Writes a cell (0 = empty) and keeps the room occupancy.
  void Поставить(int c, int h, int помещение);
  // One visit placed: V[r][c] −= 1.
  void Учет_размещения(int r, int c);

  int Осталось(int r, int c) const { return V_(r, c); }
  int Осталось_всего() const { return всего_ - размещено_; }
  int Размещено() const { return размещено_; }
  int Всего() const { return всего_; }

  // Internal stops: a room held twice in an hour of the day; V not all 0.
  void Проверить_комнаты_по_часам() const;
  void Проверить_что_все_размещены() const;

 private:
  int d_, L_, D_, C_, R_;
  const Вектор<int32, kМаксимум_классов>& запрещений_;
  const Таблица_класс_час& запреты_;
  Таблица_класс_час& расписание_;
  Матрица_дня V_{};
  int всего_ = 0;
  int размещено_ = 0;
  // [room 0..4][hour 0..36]: classes holding the room in the hour (row 0 unused).
  std::array<std::array<int, kМаксимум_часов + 1>, kМаксимум_спецпомещений + 1> держателей_{};
};

// The next visit to place: room r and class c with V[r][c] > 0.
std::pair<int, int> Выбор_элемента_расписания(const Размещение_дня& день);

// The four cases; each, when it succeeds, places r for c and counts the visit.
bool Первый_случай(Размещение_дня& день, int r, int c);
bool Второй_случай(Размещение_дня& день, int r, int c);
bool Третий_случай(Размещение_дня& день, int r, int c);
bool Перестановка_Тарвина_Мельдорна(Размещение_дня& день, int r, int c);

// The first hour of the day open for c; 0 when there is none.
int Столбец_с_заменяемым_нулем(const Размещение_дня& день, int c);
// The first hour of the week where c has a visit, r is free and which is not z; 0 if none.
int Столбец_без_элемента_расписания(const Размещение_дня& день, int c, int r, int z);

// Places the visits of day d (`визиты`) into `расписание_дня`; after 300 stuck
// tries `отказ_дня` is set. `счётчики` (optional) counts the cases used.
void Алгоритм_ТМ(int d, int L, int D, int C, int R,
                 const Вектор<int32, kМаксимум_классов>& запрещений, const Матрица_дня& визиты,
                 const Таблица_класс_час& запреты, bool& отказ_дня,
                 Таблица_класс_час& расписание_дня, Счётчики_случаев* счётчики = nullptr);

constexpr int kПопыток_дня = 300;

}  // namespace korvella
