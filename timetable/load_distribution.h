// The load table (one row per subject and class of the curriculum) and its
// distribution over the staff teachers by repeated maximum-weight assignments.
//
// Each pass pairs every teacher with at most one still free row, the weights
// being the row's hours plus, after the first pass, the teacher's allowance (the
// largest competence volume minus the teacher's own), which favours teachers who
// can teach little. A teacher at 23 hours or more takes no further rows; rows
// left over go to the competent teacher with the fewest hours.
#pragma once

#include <vector>

#include "core/main_record.h"
#include "timetable/assignment.h"
#include "timetable/competence.h"

namespace korvella {

using Таблица_нагрузок_т = Вектор<тип_Строка_нагрузки, kМаксимум_учебных_нагрузок>;
using Учебный_план_т = Матрица<int32, kМаксимум_предметов, kМаксимум_классов>;
using Вектор_преподавателей = Вектор<int32, kМаксимум_преподавателей>;

// A teacher with this many hours after a pass takes no more rows in the passes.
constexpr int kПорог_нагрузки_прохода = 23;
// The most hours a teacher may keep when the step is continued.
constexpr int kПредельная_нагрузка_преподавателя = 26;

// Teachers × load rows, 1-based: the hours of row k where teacher t is
// competent for its subject, 0 elsewhere. Only T × R cells are kept.
class Расширенная_таблица_нагрузок_т {
 public:
  void Задать_размер(int преподавателей, int строк);  // all cells 0
  int Преподавателей() const { return T_; }
  int Строк() const { return R_; }
  int32& operator()(int t, int k) {
    KORVELLA_INDEX_CHECK(t >= 1 && t <= T_ && k >= 1 && k <= R_);
    return ячейки_[static_cast<std::size_t>(t - 1) * R_ + (k - 1)];
  }
  int32 operator()(int t, int k) const {
    KORVELLA_INDEX_CHECK(t >= 1 && t <= T_ && k >= 1 && k <= R_);
    return ячейки_[static_cast<std::size_t>(t - 1) * R_ + (k - 1)];
  }
  std::vector<int32>& Ячейки() { return ячейки_; }
  const std::vector<int32>& Ячейки() const { return ячейки_; }

 private:
  int T_ = 0;
  int R_ = 0;
  std::vector<int32> ячейки_;
};

// Rows (subject, class, hours, no teacher) for every nonzero curriculum cell,
// by subject, then by class.
void Формирование_таблицы_нагрузок(int предметов, int классов, const Учебный_план_т& план,
                                   int32& строк, Таблица_нагрузок_т& нагрузки);

// Fills the extended table; true (the failure flag) when some row has no
// competent teacher.
bool Формирование_расширенной_таблицы_нагрузок(int преподавателей,
                                               const Таблица_компетентности_т& компетентность,
                                               int строк, const Таблица_нагрузок_т& нагрузки,
                                               Расширенная_таблица_нагрузок_т& расширенная);

// Gives every row a teacher and fills the two vectors for teachers 1..T;
// returns the number of passes.
int Распределение_пед_нагрузок(int преподавателей, int строк,
                               const Расширенная_таблица_нагрузок_т& расширенная,
                               const Таблица_компетентности_т& компетентность,
                               Таблица_нагрузок_т& нагрузки, Вектор_преподавателей& нагрузка,
                               Вектор_преподавателей& наибольшая_строка);

// The load table and its distribution. On failure (a row nobody may teach) the
// rows stay without teachers and the two vectors are zeroed for teachers 1..T,
// so that rows given by hand later add up to what the vectors say. Returns the
// number of passes, 0 on failure.
int Процедуры_формирования_ТРПН(int предметов, int классов, const Учебный_план_т& план,
                                const Таблица_компетентности_т& компетентность, int преподавателей,
                                bool& неудача, int32& строк, Таблица_нагрузок_т& нагрузки,
                                Вектор_преподавателей& нагрузка,
                                Вектор_преподавателей& наибольшая_строка);
// The same on the record's fields.
int Процедуры_формирования_ТРПН(тип_Главная_запись& запись, bool& неудача);

// Hours of teacher t in the load table.
int Часы_преподавателя(const тип_Главная_запись& запись, int преподаватель);

// The load field of every staff teacher's record, from the load table.
void Пересчет_нагрузки_в_списке_преподавателей(тип_Главная_запись& запись);

}  // namespace korvella
