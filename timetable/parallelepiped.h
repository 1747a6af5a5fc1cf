// The class × teacher × subject parallelepiped of weekly hours.
//
// Conceptually a cube [1..28, 1..112, 1..56]; only its nonzero cells are kept
// (at most one per load row), ordered by class, then teacher, then subject, so
// that walking them visits the cube in its row-major order. The main loop's
// working cubes are vectors parallel to these cells.
#pragma once

#include <vector>

#include "core/main_record.h"

namespace korvella {

struct Ячейка_параллелепипеда {
  int класс = 0;
  int преподаватель = 0;
  int предмет = 0;
  int часы = 0;
};

// The cells of one class–teacher pair: [начало, конец) in Ячейки().
struct Пара_класс_преподаватель {
  int класс = 0;
  int преподаватель = 0;
  int начало = 0;
  int конец = 0;
};

class Параллелепипед {
 public:
  Параллелепипед() = default;
  // Cells in any order; zero cells are dropped, equal keys must not repeat.
  explicit Параллелепипед(std::vector<Ячейка_параллелепипеда> ячейки);

  const std::vector<Ячейка_параллелепипеда>& Ячейки() const { return ячейки_; }
  const std::vector<Пара_класс_преподаватель>& Пары() const { return пары_; }
  int Количество() const { return static_cast<int>(ячейки_.size()); }

  // The cube cell [класс, преподаватель, предмет]; 0 where nothing is kept.
  int operator()(int класс, int преподаватель, int предмет) const;
  // Position of that cell in Ячейки(), or -1.
  int Номер_ячейки(int класс, int преподаватель, int предмет) const;

  // Sum and largest cell of one teacher over all classes and subjects.
  int Сумма_преподавателя(int преподаватель) const;
  int Наибольшая_ячейка_преподавателя(int преподаватель) const;
  long long Сумма() const;

 private:
  std::vector<Ячейка_параллелепипеда> ячейки_;
  std::vector<Пара_класс_преподаватель> пары_;
};

// Builds the parallelepiped from load rows 1..R; two rows of one class, teacher
// and subject, a row without hours or a row outside the school stop the calculation.
Параллелепипед Формирование_параллелепипеда(
    int K, int T, int N, int R,
    const Вектор<тип_Строка_нагрузки, kМаксимум_учебных_нагрузок>& таблица_нагрузок);

}  // namespace korvella
