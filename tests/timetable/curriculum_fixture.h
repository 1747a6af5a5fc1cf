// A school as steps 1–23 leave it, built directly in a record: the grid mode,
// K named classes, a ban table with some random taken slots, and the free hours.
#pragma once

#include <memory>
#include <random>
#include <string>

#include "core/main_record.h"
#include "entry/subject_list.h"

namespace korvella {

struct Школа_для_плана {
  int классов = 10;
  int дней = 6;  // 6 days of 6 lessons, or 5 days of 7
  int предметов = 9;
  int наибольший_запрет = 0;  // each class loses 0..this many random slots
  unsigned зерно = 1;
};

inline std::unique_ptr<тип_Главная_запись> Запись_школы(const Школа_для_плана& ш) {
  auto з = std::make_unique<тип_Главная_запись>();
  Обнулить_запись(*з);
  з->Количество_учебных_дней_в_неделе = ш.дней;
  з->Количество_уроков_в_день = ш.дней == 6 ? 6 : 7;
  з->Количество_классов_в_школе = ш.классов;
  const int H = з->Количество_учебных_дней_в_неделе * з->Количество_уроков_в_день;
  std::mt19937 г(ш.зерно);
  for (int c = 1; c <= ш.классов; ++c) {
    з->Таблица_классов(c).Имя = std::to_string(11 - (c - 1) % 7) + "-" + std::to_string(c);
    const int запретов = ш.наибольший_запрет == 0
                             ? 0
                             : std::uniform_int_distribution<int>(0, ш.наибольший_запрет)(г);
    for (int k = 0; k < запретов; ++k)
      з->Таблица_запрещений_на_проведение_уроков(c, std::uniform_int_distribution<int>(1, H)(г)) =
          1;
  }
  Нераспределенная_нагрузка_классов_и_часовой_остаток(
      ш.дней, з->Количество_уроков_в_день, ш.классов, з->Таблица_запрещений_на_проведение_уроков,
      з->Часовой_остаток_нераспределенного_учебного_плана,
      з->Вектор_нераспределенной_нагрузки_классов);
  з->Число_предметов_без_разделений_изучаемых_в_школе = ш.предметов;
  Список_предметов(ш.предметов, з->Список_предметов);
  return з;
}

}  // namespace korvella
