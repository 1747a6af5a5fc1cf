// The detail of a timetable cell on double click or Enter: the mouse-down handler
// remembers the cell under the pointer, and when that was a timetable cell the
// text of the grid's current cell goes to the message window.
#pragma once

#include <string_view>

#include "core/dialogs.h"
#include "views/string_grid.h"

namespace korvella {

class Подробности_ячейки {
 public:
  explicit Подробности_ячейки(std::string_view текст_пустой) : текст_пустой_(текст_пустой) {}

  void Нажатие_мыши(int столбец, int строка) {
    столбец_ = столбец;
    строка_ = строка;
  }
  // True when the message window was shown.
  bool Показать(const Строковая_таблица& таблица, Диалоги& диалоги) const;

 private:
  std::string_view текст_пустой_;
  int столбец_ = -1;
  int строка_ = -1;
};

}  // namespace korvella
