// Whole tasks with the part-time teachers through the command-line program:
// step 13's line, the check of its timetable, a school whose part-timers cannot
// be placed, and a damaged part-timers' table.
#include <gtest/gtest.h>

#include <string>

#include "core/main_record.h"
#include "tests/support/cli_process.h"

namespace korvella {
namespace {

using тест::Папка_данных;

bool Содержит(const std::string& текст, const std::string& часть) {
  return текст.find(часть) != std::string::npos;
}

TEST(Задача_с_совместителями, новая_задача_и_проверка) {
  for (const auto& [классов, режим] : {std::pair{5, "5x7"}, std::pair{28, "6x6"}}) {
    SCOPED_TRACE(std::to_string(классов) + " " + режим);
    Папка_данных папка("совм" + std::to_string(классов));
    const auto новая = папка.Запустить("new --seed 8 --tasks parttime --classes " +
                                       std::to_string(классов) + " --mode " + режим);
    EXPECT_EQ(новая.код, 0) << новая.текст;
    EXPECT_TRUE(Содержит(новая.текст, "Построение расписания для совместителей (13)  calculated, "))
        << новая.текст;
    EXPECT_TRUE(Содержит(новая.текст, " s, shuffles ")) << новая.текст;
    const auto проверка = папка.Запустить("check");
    EXPECT_EQ(проверка.код, 0) << проверка.текст;
    EXPECT_TRUE(Содержит(проверка.текст, "part-timers: ")) << проверка.текст;
    EXPECT_TRUE(Содержит(проверка.текст, " lessons, sound")) << проверка.текст;
    const auto з = папка.Прочитать();
    ASSERT_TRUE(з);
    EXPECT_TRUE(з->Готово_расписание_совместителей);
  }
}

// Part-timer 1 gives one class two lessons but works one day: step 13 fails
// with its text, leaves its table empty, and the chain goes on without it.
TEST(Задача_с_совместителями, невозможная_школа_без_совместителей) {
  Папка_данных папка("совм_невозможно");
  ASSERT_EQ(папка.Запустить("new --seed 5 --tasks parttime --classes 10").код, 0);
  auto з = папка.Прочитать();
  ASSERT_TRUE(з);
  auto& совместитель = з->Список_совместителей(1);
  for (int c = 1; c <= з->Количество_классов_в_школе; ++c)
    з->Таблица_РПН_для_совместителей(c, 1) = 0;
  з->Таблица_РПН_для_совместителей(1, 1) = 2;
  з->Таблица_РПН_для_совместителей(2, 1) = совместитель.Нагрузка - 2;
  for (int d = 1; d <= kМаксимум_дней; ++d)
    з->Таблица_нерабочих_дней_совместителей(1, d) = d == 3 ? 0 : 1;
  з->Последняя_показанная_форма = 13;  // stopped at step 13, as "Закончить" there leaves it
  з->Готово_расписание_совместителей = false;
  папка.Записать(*з);

  const auto продолжение = папка.Запустить("continue");
  EXPECT_EQ(продолжение.код, 1) << продолжение.текст;
  EXPECT_TRUE(Содержит(продолжение.текст, "(13)  calculation failed, ")) << продолжение.текст;
  EXPECT_TRUE(Содержит(продолжение.текст,
                       "shuffles 3000; При таких ограничениях решение задачи для "
                       "совместителей не существует."))
      << продолжение.текст;
  EXPECT_TRUE(Содержит(продолжение.текст, "(29)  calculated, ")) << продолжение.текст;
  з = папка.Прочитать();
  ASSERT_TRUE(з);
  EXPECT_FALSE(з->Готово_расписание_совместителей);
  for (int c = 1; c <= kМаксимум_классов; ++c)
    for (int h = 1; h <= kМаксимум_часов; ++h) ASSERT_EQ(з->Расписание_для_совместителей(c, h), 0);
  const auto проверка = папка.Запустить("check");
  EXPECT_EQ(проверка.код, 0) << проверка.текст;
  EXPECT_TRUE(Содержит(проверка.текст, "part-timers: not built")) << проверка.текст;
}

TEST(Задача_с_совместителями, проверка_отвергает_испорченное_расписание_совместителей) {
  Папка_данных папка("совм_порча");
  ASSERT_EQ(папка.Запустить("new --seed 6 --tasks parttime --classes 12").код, 0);
  auto з = папка.Прочитать();
  ASSERT_TRUE(з);
  // A part-timer lesson moved onto a main lesson of another hour.
  int класс = 0, час = 0;
  for (int c = 1; c <= з->Количество_классов_в_школе && !класс; ++c)
    for (int h = 1; h <= 36 && !класс; ++h)
      if (з->Расписание_для_совместителей(c, h) != 0) класс = c, час = h;
  ASSERT_NE(класс, 0);
  const int другой_час = час % 30 + 2;
  ASSERT_EQ(з->Расписание_для_совместителей(класс, другой_час), 0);
  std::swap(з->Расписание_для_совместителей(класс, час),
            з->Расписание_для_совместителей(класс, другой_час));
  папка.Записать(*з);
  const auto проверка = папка.Запустить("check");
  EXPECT_EQ(проверка.код, 1);
  EXPECT_TRUE(Содержит(проверка.текст, "part-timers: class " + std::to_string(класс) + ", hour " +
                                           std::to_string(другой_час) +
                                           ": a main lesson in a part-timer hour"))
      << проверка.текст;
}

}  // namespace
}  // namespace korvella
