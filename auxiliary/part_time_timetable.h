// The timetable of the part-time teachers, by graph colouring.
//
// Every single lesson of the lesson table is a vertex; two lessons of one class
// or of one part-timer are joined, since they cannot share an hour. The hours of
// the week are the colours. A randomised greedy colouring is tried up to 3000
// times, each try on a new shuffle of the vertex order: a vertex takes the
// smallest hour that no neighbour has, that its class and part-timer may use,
// and that lies on a day where the same part-timer does not teach the same class
// yet. Colours above the week's W hours are always free, so every try ends; the
// calculation succeeds when a try needs no more than W colours.
//
// Cost: at most 54 vertices (nine part-timers of six lessons); one try is
// O(vertices · (degree + colours)).
#pragma once

#include <vector>

#include "auxiliary/part_time_teachers.h"

namespace korvella {

constexpr int kПредел_попыток_раскраски = 3000;

using Таблица_нерабочих_часов_t = Матрица<int32, kМаксимум_совместителей, kМаксимум_часов>;

struct Граф_совместителей {
  // Class and part-timer of vertex v, at [v - 1].
  std::vector<int> класс;
  std::vector<int> совместитель;
  // Every pair of one class, then every pair of one part-timer (a pair of one
  // class and one part-timer comes twice).
  std::vector<std::pair<int, int>> рёбра;
  std::vector<std::vector<int>> соседи;  // of vertex v, at [v - 1]
  std::vector<char> смежность;           // n·n, row-major, 0-based

  int Вершин() const { return static_cast<int>(класс.size()); }
  bool Смежны(int u, int v) const { return смежность[(u - 1) * Вершин() + (v - 1)] != 0; }
};

struct Итог_раскраски {
  std::vector<int> цвета;  // hour of vertex v, at [v - 1]
  int псевдохроматическое_число = 0;
  int попыток = 0;
};

Граф_совместителей Граф_для_совместителей(int C, int M, const Таблица_РПН_совместителей_t& таблица);

// 1 in every hour of a non-working day, and in the first hour of every day of a
// part-timer banned from first lessons.
void Нерабочие_часы_совместителей(int M, int D, int L, const Таблица_нерабочих_дней_t& дни,
                                  const Вектор_запретов_совместителей_t& запреты,
                                  Таблица_нерабочих_часов_t& часы);

// Reseeds, then tries until a colouring fits the week or the tries run out.
Итог_раскраски Раскраска_для_совместителей(const Граф_совместителей& граф, int C, int D, int L,
                                           const Таблица_класс_час& запреты,
                                           const Таблица_нерабочих_часов_t& нерабочие_часы);

// The whole calculation. On success the timetable holds each lesson's
// part-timer in its class and hour and the four checks of the result have
// passed; on failure it is zero. `попыток` tells how many tries were used.
void Процедуры_расписание_для_совместителей(int C, int M, int D, int L,
                                            const Таблица_РПН_совместителей_t& таблица,
                                            const Список_совместителей_t& список,
                                            const Таблица_нерабочих_дней_t& дни,
                                            const Вектор_запретов_совместителей_t& запреты,
                                            const Таблица_класс_час& запрещения, bool& неудача,
                                            Таблица_класс_час& расписание, int* попыток = nullptr);

}  // namespace korvella
