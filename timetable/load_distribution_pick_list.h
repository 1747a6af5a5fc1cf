// "Список преподавателей": the pick list of a teacher cell of the distribution
// grid, each teacher with the load of his record.
#pragma once

#include <string>
#include <vector>

#include "shell/environment.h"

namespace korvella {

class Модель_выбора_преподавателя {
 public:
  // For load row k of the table.
  Модель_выбора_преподавателя(Среда& среда, int строка_нагрузки);

  // Item i - 1 is teacher i.
  const std::vector<std::string>& Пункты() const { return пункты_; }

  // Choosing teacher u (1-based): true when the row moved and the list closes;
  // a refusal shows its message and the list stays open.
  bool Выбрать(int преподаватель);
  bool Изменено() const { return изменено_; }

 private:
  Среда& среда_;
  int строка_;
  bool изменено_ = false;
  std::vector<std::string> пункты_;
};

}  // namespace korvella
