#include "views/string_grid.h"

#include <algorithm>

#include "core/failure.h"

namespace korvella {

void Строковая_таблица::Задать_размер(int столбцов, int строк) {
  столбцов_ = std::max(0, столбцов);
  строк_ = std::max(0, строк);
  строки_.resize(static_cast<std::size_t>(строк_));
  for (auto& строка : строки_) строка.resize(static_cast<std::size_t>(столбцов_));
  текущий_столбец_ = std::clamp(текущий_столбец_, 0, std::max(0, столбцов_ - 1));
  текущая_строка_ = std::clamp(текущая_строка_, 0, std::max(0, строк_ - 1));
}

void Строковая_таблица::Задать_фиксированные(int столбцов, int строк) {
  фиксированных_столбцов_ = std::max(0, столбцов);
  фиксированных_строк_ = std::max(0, строк);
}

const std::string& Строковая_таблица::Ячейка(int столбец, int строка) const {
  static const std::string kПусто;
  if (!Внутри(столбец, строка)) return kПусто;
  return строки_[static_cast<std::size_t>(строка)][static_cast<std::size_t>(столбец)];
}

void Строковая_таблица::Задать(int столбец, int строка, std::string текст) {
  if (!Внутри(столбец, строка))
    Внутренняя_остановка("Ячейка (" + std::to_string(столбец) + ", " + std::to_string(строка) +
                         ") вне таблицы");
  строки_[static_cast<std::size_t>(строка)][static_cast<std::size_t>(столбец)] = std::move(текст);
}

void Строковая_таблица::Очистить_все() {
  for (auto& строка : строки_)
    for (auto& ячейка : строка) ячейка.clear();
}

void Строковая_таблица::Сделать_текущей(int столбец, int строка) {
  if (Внутри(столбец, строка)) {
    текущий_столбец_ = столбец;
    текущая_строка_ = строка;
  }
}

}  // namespace korvella
