// Whole tasks with the special-room task through the command-line program:
// step 8's line, the check of its tables, and a damaged table refused.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/cli_process.h"

namespace korvella {
namespace {

using тест::Папка_данных;

bool Есть(const std::string& текст, const std::string& часть) {
  return текст.find(часть) != std::string::npos;
}

TEST(Задача_со_спецпомещениями, шаг_8_считается_и_проверка_принимает_его_таблицы) {
  for (const auto& [классов, режим, зерно] : {std::tuple{5, "6x6", 2}, {28, "5x7", 9}}) {
    SCOPED_TRACE(std::to_string(классов) + " " + режим);
    Папка_данных папка("комнаты" + std::to_string(классов));
    const auto новая =
        папка.Запустить("new --seed " + std::to_string(зерно) + " --tasks rooms --classes " +
                        std::to_string(классов) + " --mode " + режим);
    EXPECT_EQ(новая.код, 0) << новая.текст;
    EXPECT_TRUE(Есть(новая.текст, "(8)  calculated, ")) << новая.текст;
    EXPECT_TRUE(Есть(новая.текст, ", passes 1, attempts ")) << новая.текст;
    EXPECT_TRUE(Есть(новая.текст, ", day failures 0; continued")) << новая.текст;

    const auto проверка = папка.Запустить("check");
    EXPECT_EQ(проверка.код, 0) << проверка.текст;
    EXPECT_TRUE(Есть(проверка.текст, "special rooms: ")) << проверка.текст;
    EXPECT_TRUE(Есть(проверка.текст, " forbidden hours, sound")) << проверка.текст;
    EXPECT_TRUE(Есть(проверка.текст, "check passed"));
  }
}

TEST(Задача_со_спецпомещениями, проверка_отвергает_урок_основного_расписания_в_часе_спецпомещения) {
  Папка_данных папка("комнаты_порча");
  ASSERT_EQ(папка.Запустить("new --seed 5 --tasks rooms --classes 10").код, 0);
  auto з = папка.Прочитать();
  ASSERT_TRUE(з);
  int час = 0;
  for (int h = 1; h <= 36 && !час; ++h)
    if (з->Расписание_спецпомещений(1, h)) час = h;
  ASSERT_GT(час, 0);
  з->Школьное_расписание(1, час) = 1;
  з->Расписание_предметов(1, час) = 1;
  папка.Записать(*з);
  const auto проверка = папка.Запустить("check");
  EXPECT_EQ(проверка.код, 1);
  EXPECT_TRUE(Есть(проверка.текст, "special rooms: class 1, hour " + std::to_string(час) +
                                       ": a main-timetable lesson in a special-room hour"))
      << проверка.текст;
}

}  // namespace
}  // namespace korvella
