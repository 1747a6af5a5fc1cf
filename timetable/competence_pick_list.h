// "Список предметов": the pick list of a subject cell of the competence grid,
// with how many teachers each subject has and needs.
#pragma once

#include <string>
#include <vector>

#include "shell/environment.h"

namespace korvella {

class Модель_таблицы_компетентности;

class Модель_выбора_предмета {
 public:
  static constexpr const char* kНет_предмета = " *****НЕТ ПРЕДМЕТА******";

  Модель_выбора_предмета(Среда& среда, Модель_таблицы_компетентности& шаг, int преподаватель,
                         int ячейка);

  // Item 0 is "no subject", item s is subject s.
  const std::vector<std::string>& Пункты() const { return пункты_; }
  static constexpr int kНачальный_пункт = 0;  // selected when the list opens

  // "Выбрать", a double click or Enter on item i: true when the list closes; a
  // subject the teacher already has is refused with a message and the list stays.
  bool Выбрать(int пункт);

 private:
  Среда& среда_;
  Модель_таблицы_компетентности& шаг_;
  int преподаватель_;
  int ячейка_;
  std::vector<std::string> пункты_;
};

}  // namespace korvella
