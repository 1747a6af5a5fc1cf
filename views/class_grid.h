// The class timetable grid: every partial timetable of the main record laid over
// one grid, layer by layer. Class c, slot s sits in row (c - 1)·L + lesson and
// column day + 1. A later layer overwrites the text of an earlier one; only the
// layers from the sanitary one to the divided groups set the colour code, so a
// main lesson keeps the colour of what lay there before.
#pragma once

#include <string>

#include "core/main_record.h"
#include "shell/environment.h"
#include "views/colour_matrix.h"
#include "views/string_grid.h"

namespace korvella {

// Where slot s of a day of L lessons lies.
struct Место_часа {
  int день;  // 1..D
  int урок;  // 1..L
};
Место_часа Место_часа_в_неделе(int час, int уроков_в_день);

// "Понедельник" .. "Суббота" for days 1..6.
const char* Название_дня(int день);

class Сетка_расписания_классов {
 public:
  explicit Сетка_расписания_классов(Матрица_раскраски& раскраска = Матрица_раскраски_классов)
      : раскраска_(раскраска) {}

  Строковая_таблица& Таблица() { return таблица_; }
  const Строковая_таблица& Таблица() const { return таблица_; }
  Матрица_раскраски& Раскраска() { return раскраска_; }
  const Матрица_раскраски& Раскраска() const { return раскраска_; }
  int Код_цвета(int столбец, int строка) const { return Код_ячейки(раскраска_, столбец, строка); }

  // Очистка_вкладки_расписание_классов: the empty 8 x 197 grid, colours reset.
  void Очистка();

  void Разметка(const тип_Главная_запись& з);
  void Названия_классов(const тип_Главная_запись& з);
  void Санитарный_слой(const тип_Главная_запись& з);
  void Слой_спецпомещений(const тип_Главная_запись& з);
  void Слой_совместителей(const тип_Главная_запись& з);
  void Слой_потоков(const тип_Главная_запись& з);
  void Слой_разделений(const тип_Главная_запись& з);
  void Основной_слой(const тип_Главная_запись& з);

  void Заполнить_слой(const тип_Главная_запись& з, Слой_вкладки_классов слой);
  // Every layer whose step has been passed and whose timetable is done, in order.
  void Заполнение(const тип_Главная_запись& з);

 private:
  // Row of the grid and the text, colour code left alone.
  void Записать(int класс, int час, int уроков_в_день, std::string текст);
  void Окрасить(int класс, int час, int уроков_в_день, int код);

  Строковая_таблица таблица_;
  Матрица_раскраски& раскраска_;
};

// Whether the tab shows a layer: the step that computes it has been passed and its
// timetable is done.
bool Слой_показывается(const тип_Главная_запись& з, Слой_вкладки_классов слой);

}  // namespace korvella
