// Step 26: which subjects each staff teacher may teach. The grid shows up to four
// subjects a teacher; a cell is changed through the subject pick list.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shell/step_model.h"
#include "timetable/competence_grid.h"
#include "timetable/competence_pick_list.h"

namespace korvella {

class Модель_таблицы_компетентности : public Модель_шага {
 public:
  static constexpr int kНомер = 26;
  static constexpr const char* kТаблица = "Таблица_компетентности_преподавателей_без_разделений";
  static constexpr int kСтолбцов_предметов = 4;
  static constexpr int kПервый_столбец_предмета = 2;

  explicit Модель_таблицы_компетентности(Среда& среда);

  int Преподавателей() const;
  int Предметов() const;

  int Строк() const { return Преподавателей() + 1; }
  static constexpr int Столбцов() { return kПервый_столбец_предмета + kСтолбцов_предметов; }
  static int Ширина_столбца(int столбец);
  Вид_ячейки_сетки Ячейка(int строка, int столбец) const;

  // A mouse press or a key move: the cell the double click and Enter act on.
  void Выбрать(int строка, int столбец);
  int Выбранная_строка() const { return строка_; }
  int Выбранный_столбец() const { return столбец_; }

  // The subject shown in a subject cell of teacher t (cell 0..3), 0 = empty.
  int Предмет_в_ячейке(int t, int ячейка) const { return ячейки_[t][ячейка]; }
  void Установить_ячейку(int t, int ячейка, int предмет) { ячейки_[t][ячейка] = предмет; }

  // Double click or Enter on a subject cell while the grid is editable: the pick list.
  std::optional<Модель_выбора_предмета> Начать_выбор(int строка, int столбец);

  // "Очистить": no teacher is competent for anything.
  void Очистить();
  // "Пропустить": the load will be given by hand; the window closes.
  bool Пропустить();

 protected:
  bool Генерация_до_записи_номера() const override { return true; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;

 private:
  void Разложить_по_ячейкам();

  std::vector<std::array<int, kСтолбцов_предметов>> ячейки_;  // [teacher], row 0 unused
  int строка_ = 1;
  int столбец_ = kПервый_столбец_предмета;
  bool пропуск_ = false;
};

}  // namespace korvella
