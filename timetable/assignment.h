// Maximum-weight assignment of rows to distinct columns.
//
// Problem: an n × m matrix of 32-bit weights; pair min(n, m) rows with distinct
// columns so that the total weight is the largest. The load distribution pairs
// teachers with load rows (up to 112 × 9408), the weekly loop pairs classes with
// teachers once an hour (up to 28 × 112).
//
// Method: the Hungarian method on the negated weights, in one fixed search order,
// because among assignments of equal weight the search order is what decides, and
// the timetable depends on that choice:
//   1. negate; reduce every row by its minimum when m ≥ n, every column by its
//      minimum when m ≤ n (a square matrix gets both, rows first);
//   2. rows in ascending order take the lowest free column of reduced cost 0;
//   3. each search queues the unassigned rows in ascending order and scans the
//      queue: a queued row labels, in ascending column order, every unlabelled
//      column where its reduced cost is 0; a free column ends the search with an
//      augmentation, an assigned one appends its row to the queue;
//   4. an exhausted queue takes δ, the smallest reduced cost between a queued row
//      and an unlabelled column, lowers the queued rows by δ in the unlabelled
//      columns and raises the other rows by δ in the labelled ones; the entries
//      that reach 0 label their columns in row-major order, up to and including
//      the first free one, from which the search augments.
// The reduced costs are kept as cost − u[row] − v[column] instead of rewriting the
// matrix, and every unlabelled column keeps its smallest reduced cost over the
// queued rows together with the lowest such row. The zeros an adjustment makes are
// then exactly the columns whose smallest cost was δ, labelled by that lowest row,
// in the same order as rewriting the matrix would give, at O(m log m) instead of
// O(n·m) an adjustment. The weights are only read: a caller need not copy them.
//
// Cost: every row is scanned at most once a search (O(n·m)), and a search makes at
// most min(n, m) + 1 adjustments of O(m log m); min(n, m) searches at most.
// Working storage is O(n + m), kept by the solver between calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/main_record.h"

namespace korvella {

// A read-only view of a row-major weight matrix: rows 0..строк-1, columns
// 0..столбцов-1, rows шаг elements apart.
struct Вид_весов {
  const int32* начало = nullptr;
  int строк = 0;
  int столбцов = 0;
  std::ptrdiff_t шаг = 0;

  int32 operator()(int строка, int столбец) const { return начало[строка * шаг + столбец]; }
};

// The upper-left строк × столбцов block of a 1-based matrix of the record's kind.
template <std::size_t R, std::size_t C>
Вид_весов Вид_матрицы(const Матрица<int32, R, C>& м, int строк, int столбцов) {
  KORVELLA_INDEX_CHECK(строк >= 0 && static_cast<std::size_t>(строк) <= R);
  KORVELLA_INDEX_CHECK(столбцов >= 0 && static_cast<std::size_t>(столбцов) <= C);
  return {&м.элементы[0][0], строк, столбцов, static_cast<std::ptrdiff_t>(C)};
}

// Where the weights of each row may be nonzero: row i's columns, ascending and
// 0-based, are столбцы[начала[i]] .. столбцы[начала[i + 1] − 1]; every other
// weight of the row is 0, and no weight is negative. With this the row
// reduction and the first zeros look at those columns only; the choices are the
// same as without it.
struct Столбцы_строк {
  const int* столбцы = nullptr;
  const int* начала = nullptr;  // one more entry than rows
};

class Решатель_назначений {
 public:
  // Sizes the buffers for the largest problem expected; a larger one grows them once.
  explicit Решатель_назначений(int наибольшее_строк = 0, int наибольшее_столбцов = 0);

  // назначение[0..строк-1] gets the 1-based column of each row, or 0 for a row
  // left out (only when there are fewer columns than rows). A row may get a
  // column of weight 0; callers treat such a pair as no assignment.
  void Решить(Вид_весов веса, int32* назначение, const Столбцы_строк* разреженность = nullptr);

 private:
  struct Событие {
    int строка;
    int столбец;
  };

  std::int64_t Стоимость(int i, int j) const {
    return -static_cast<std::int64_t>(веса_(i, j)) - u_[i] - v_[j];
  }
  void Подготовить(Вид_весов веса);
  void Привести();
  void Начальное_назначение();
  void Найти_увеличение();
  // Scans the queue; true when a free column was labelled and the search augmented.
  bool Просмотреть_очередь();
  // The δ adjustment with its labelling; true when it ended in an augmentation.
  bool Сдвинуть();
  void Поставить_в_очередь(int строка);
  void Увеличить(int столбец);

  Вид_весов веса_;
  const Столбцы_строк* разреженность_ = nullptr;
  int n_ = 0;
  int m_ = 0;
  std::vector<std::int64_t> u_, v_;
  std::vector<int> столбец_строки_, строка_столбца_;
  std::vector<int> метка_;  // the row that labelled a column, -1 = unlabelled
  std::vector<int> очередь_;
  int голова_ = 0;  // next row to scan
  int хвост_ = 0;   // rows queued so far
  std::vector<char> в_очереди_;
  std::vector<std::int64_t> запас_;  // smallest reduced cost over the queued rows
  std::vector<int> строка_запаса_;   // the lowest queued row that has it
  std::vector<Событие> события_;
};

// Classes (rows) × teachers (columns) of one hour of the weekly loop.
using Матрица_весов_часа = Матрица<int32, kМаксимум_классов, kМаксимум_преподавателей>;

// The routine under the names its two callers know it by: teachers × load rows
// of the distribution, and classes × teachers of one hour of the weekly loop.
void Большое_максимальное_паросочетание(Решатель_назначений& решатель, Вид_весов веса,
                                        Вектор<int32, kМаксимум_преподавателей>& назначение);
void Максимальное_паросочетание(Решатель_назначений& решатель, const Матрица_весов_часа& веса,
                                int классов, int преподавателей,
                                Вектор<int32, kМаксимум_классов>& назначение,
                                const Столбцы_строк* разреженность = nullptr);

}  // namespace korvella
