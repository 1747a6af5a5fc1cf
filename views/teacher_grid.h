// The teacher timetable tab: the class timetables of the main record turned
// inside out, one block of L rows per teacher, in four sections (special-room,
// part-time, divided-group and staff teachers). A section takes room only once
// its timetable is done; a teacher found twice in one slot is reported and the
// later class wins the cell.
#pragma once

#include <array>
#include <string>

#include "core/dialogs.h"
#include "core/main_record.h"
#include "views/cell_detail.h"
#include "views/colour_matrix.h"
#include "views/string_grid.h"

namespace korvella {

// Teacher kinds, in the order of the sections.
enum class Вид_преподавателя { Спецпомещений = 1, Совместитель = 2, Разделений = 3, Штатный = 4 };

class Вкладка_расписание_преподавателей {
 public:
  explicit Вкладка_расписание_преподавателей(
      Матрица_раскраски& раскраска = Матрица_раскраски_преподавателей);

  Строковая_таблица& Таблица() { return таблица_; }
  const Строковая_таблица& Таблица() const { return таблица_; }
  const Матрица_раскраски& Раскраска() const { return раскраска_; }
  int Код_цвета(int столбец, int строка) const { return Код_ячейки(раскраска_, столбец, строка); }

  // Построение_вкладки_расписание_преподавателей.
  void Построение(const тип_Главная_запись& з, Диалоги& диалоги);

  // First row and teacher count of a section after the last build.
  int Начало_раздела(Вид_преподавателя вид) const { return начало_[Индекс(вид)]; }
  int Размер_раздела(Вид_преподавателя вид) const { return размер_[Индекс(вид)]; }

  // The tool bar after the last build.
  bool Уведомление_видно() const { return уведомление_видно_; }
  const std::string& Текст_уведомления() const { return текст_уведомления_; }
  bool Действия_спецпреподавателей_доступны() const { return действия_спецпреподавателей_; }
  bool Вывод_в_файл_доступен() const { return вывод_в_файл_; }

  // Действие_вывод_в_файл_эксель: announced, not provided yet.
  void Вывод_в_файл_эксель(Диалоги& диалоги) const;

  Подробности_ячейки& Подробности() { return подробности_; }
  void Показать_подробности(Диалоги& диалоги) const { подробности_.Показать(таблица_, диалоги); }

 private:
  static int Индекс(Вид_преподавателя вид) { return static_cast<int>(вид) - 1; }

  void Разметка(const тип_Главная_запись& з);
  void Заголовки_раздела(Вид_преподавателя вид, const тип_Главная_запись& з);
  void Ячейки_раздела(Вид_преподавателя вид, const тип_Главная_запись& з, Диалоги& диалоги);
  // Writes a lesson of teacher n of a section, reporting a cell already taken.
  void Записать(Вид_преподавателя вид, int n, int час, std::string текст,
                const тип_Главная_запись& з, Диалоги& диалоги);

  Строковая_таблица таблица_;
  Матрица_раскраски& раскраска_;
  Подробности_ячейки подробности_;
  std::array<int, 4> начало_{};
  std::array<int, 4> размер_{};
  bool уведомление_видно_ = false;
  std::string текст_уведомления_;
  bool действия_спецпреподавателей_ = false;
  bool вывод_в_файл_ = false;
};

}  // namespace korvella
