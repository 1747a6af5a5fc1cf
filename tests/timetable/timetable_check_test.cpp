#include "timetable/timetable_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "fixture_school.h"

namespace korvella {
namespace {

// Two classes over two days of three lessons; hour 6 of class 2 is banned.
std::unique_ptr<тип_Главная_запись> Готовая_неделя() {
  auto з = тест::Школа(2, 3, 2, 3, 3,
                       {{1, 1, 2, 1}, {1, 2, 2, 2}, {1, 3, 2, 3}, {2, 1, 2, 2}, {2, 2, 1, 3},
                        {2, 3, 2, 1}});
  const int учителя[2][6] = {{1, 2, 3, 1, 2, 3}, {2, 3, 1, 2, 1, 0}};
  const int предметы[2][6] = {{1, 2, 3, 1, 2, 3}, {1, 2, 3, 1, 3, 0}};
  for (int c = 1; c <= 2; ++c)
    for (int h = 1; h <= 6; ++h) {
      з->Школьное_расписание(c, h) = учителя[c - 1][h - 1];
      з->Расписание_предметов(c, h) = предметы[c - 1][h - 1];
    }
  з->Готово_основное_расписание = true;
  return з;
}

TEST(Проверка_основного_расписания, верная_неделя) {
  const auto итог = Проверка_основного_расписания(*Готовая_неделя());
  EXPECT_TRUE(итог.Верно()) << итог.нарушения.front();
  EXPECT_EQ(итог.уроков, 11);
}

TEST(Проверка_основного_расписания, каждое_правило) {
  using Порча = std::function<void(тип_Главная_запись&)>;
  const std::pair<Порча, std::string> случаи[] = {
      {[](auto& з) { з.Готово_основное_расписание = false; }, "the main timetable is not calculated"},
      {[](auto& з) { з.Количество_шатных_преподавателей = 0; }, "the school's sizes are out of range"},
      {[](auto& з) { з.Школьное_расписание(1, 1) = 0, з.Расписание_предметов(1, 1) = 0; },
       "class 1, hour 1: a free hour without a lesson"},
      {[](auto& з) { з.Школьное_расписание(2, 6) = 3, з.Расписание_предметов(2, 6) = 2; },
       "class 2, hour 6: a lesson in a banned hour"},
      {[](auto& з) { з.Школьное_расписание(2, 1) = 1; }, "class 2, hour 1: teacher 1 also teaches class 1"},
      {[](auto& з) { з.Расписание_предметов(1, 2) = 1; }, "class 1, day 1: subject 1 twice"},
      {[](auto& з) { з.Школьное_расписание(1, 4) = 9; },
       "class 1, hour 4: teacher 9 / subject 1 is not a lesson of this school"},
      {[](auto& з) { std::swap(з.Школьное_расписание(1, 1), з.Школьное_расписание(1, 2)); },
       "load row 1 (class 1, subject 1, teacher 1): 1 lessons of 2"},
      {[](auto& з) { з.Вектор_нагрузки_преподавателей(3) = 7; }, "teacher 3: 3 lessons, load 7"},
      {[](auto& з) { з.Школьное_расписание(3, 1) = 1; },
       "class 3, hour 1: a lesson outside the school's week"},
  };
  for (const auto& [испортить, нарушение] : случаи) {
    auto з = Готовая_неделя();
    испортить(*з);
    const auto итог = Проверка_основного_расписания(*з);
    EXPECT_NE(std::find(итог.нарушения.begin(), итог.нарушения.end(), нарушение),
              итог.нарушения.end())
        << нарушение << "; first: " << (итог.нарушения.empty() ? "" : итог.нарушения.front());
  }
}

}  // namespace
}  // namespace korvella
