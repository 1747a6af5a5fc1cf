// A string grid as the timetable tabs keep it: texts addressed (column, row) like
// the toolkit's grid, its fixed part and its current cell. The texts live only
// here; the search and the spreadsheet read them back from the grid.
#pragma once

#include <string>
#include <vector>

namespace korvella {

class Строковая_таблица {
 public:
  int Столбцов() const { return столбцов_; }
  int Строк() const { return строк_; }
  // Resizing keeps the texts that stay inside the new bounds.
  void Задать_размер(int столбцов, int строк);
  void Задать_столбцов(int столбцов) { Задать_размер(столбцов, строк_); }
  void Задать_строк(int строк) { Задать_размер(столбцов_, строк); }

  int Фиксированных_столбцов() const { return фиксированных_столбцов_; }
  int Фиксированных_строк() const { return фиксированных_строк_; }
  void Задать_фиксированные(int столбцов, int строк);

  bool Внутри(int столбец, int строка) const {
    return столбец >= 0 && столбец < столбцов_ && строка >= 0 && строка < строк_;
  }
  // Outside the grid a cell reads as empty and a write is a programming error.
  const std::string& Ячейка(int столбец, int строка) const;
  void Задать(int столбец, int строка, std::string текст);
  void Очистить_все();

  int Текущий_столбец() const { return текущий_столбец_; }
  int Текущая_строка() const { return текущая_строка_; }
  void Сделать_текущей(int столбец, int строка);
  int Верхняя_строка() const { return верхняя_строка_; }
  void Задать_верхнюю_строку(int строка) { верхняя_строка_ = строка; }
  const std::string& Текст_текущей() const { return Ячейка(текущий_столбец_, текущая_строка_); }

 private:
  int столбцов_ = 0;
  int строк_ = 0;
  int фиксированных_столбцов_ = 0;
  int фиксированных_строк_ = 0;
  int текущий_столбец_ = 0;
  int текущая_строка_ = 0;
  int верхняя_строка_ = 0;
  std::vector<std::vector<std::string>> строки_;  // [row][column]
};

}  // namespace korvella
