// The class timetable tab as logic: its grid, the cell detail, and the two tool
// bar actions with their preconditions, questions and messages.
#pragma once

#include "core/dialogs.h"
#include "core/main_record.h"
#include "views/cell_detail.h"
#include "views/class_grid.h"
#include "views/search.h"

namespace korvella {

class Вкладка_расписание_классов {
 public:
  explicit Вкладка_расписание_классов(Матрица_раскраски& раскраска = Матрица_раскраски_классов);

  Сетка_расписания_классов& Сетка() { return сетка_; }
  const Сетка_расписания_классов& Сетка() const { return сетка_; }
  Строковая_таблица& Таблица() { return сетка_.Таблица(); }
  Подробности_ячейки& Подробности() { return подробности_; }
  Поиск_подстроки& Поиск() { return поиск_; }

  void Показать_подробности(Диалоги& диалоги) const {
    подробности_.Показать(сетка_.Таблица(), диалоги);
  }

  // Действие_найти_подстроку: true when the search dialog may open; it has then
  // been prepared for the show.
  bool Найти_подстроку(const тип_Главная_запись& з, Диалоги& диалоги);

  // What Действие_вывод_в_файл needs first: the sanitary restrictions computed.
  bool Вывод_в_файл_возможен(const тип_Главная_запись& з, Диалоги& диалоги) const;
  // Действие_вывод_в_файл: true when the spreadsheet was written.
  bool Вывод_в_файл(const тип_Главная_запись& з, Диалоги& диалоги) const;

 private:
  Сетка_расписания_классов сетка_;
  Подробности_ячейки подробности_;
  Поиск_подстроки поиск_;
};

}  // namespace korvella
