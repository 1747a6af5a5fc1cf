// Whole tasks with streams through the command-line program: step 17's line,
// the check of the stored streams' timetable, and a damaged one refused.
#include <gtest/gtest.h>

#include <string>

#include "core/main_record.h"
#include "tests/support/cli_process.h"

namespace korvella {
namespace {

using тест::Папка_данных;

TEST(Задача_с_потоками, шаг_17_называет_путь_и_проверка_принимает_потоки) {
  for (const auto& [классов, режим] : {std::pair{10, "6x6"}, {28, "5x7"}}) {
    SCOPED_TRACE(std::to_string(классов) + " " + режим);
    Папка_данных папка("потоки" + std::to_string(классов));
    const auto новая = папка.Запустить("new --seed 5 --tasks streams --classes " +
                                       std::to_string(классов) + " --mode " + режим);
    EXPECT_EQ(новая.код, 0) << новая.текст;
    EXPECT_NE(новая.текст.find("(17)  calculated, "), std::string::npos) << новая.текст;
    EXPECT_NE(новая.текст.find(", path colouring, colouring tries "), std::string::npos)
        << новая.текст;
    const auto проверка = папка.Запустить("check");
    EXPECT_EQ(проверка.код, 0) << проверка.текст;
    EXPECT_NE(проверка.текст.find("streams: "), std::string::npos) << проверка.текст;
    EXPECT_EQ(проверка.текст.find("streams: not built"), std::string::npos) << проверка.текст;
  }
}

TEST(Задача_с_потоками, проверка_отвергает_урок_потока_без_пары) {
  Папка_данных папка("потоки_порча");
  ASSERT_EQ(папка.Запустить("new --seed 6 --tasks streams --classes 12").код, 0);
  auto з = папка.Прочитать();
  ASSERT_TRUE(з);
  ASSERT_TRUE(з->Готово_расписание_потоков);
  // A lesson of a stream moved to another hour in one of its classes only.
  const int класс = з->Таблица_потоков(1, 1);
  int час = 1;
  while (з->Расписание_для_потоков(класс, час) != 1) ++час;
  з->Расписание_для_потоков(класс, час) = 0;
  папка.Записать(*з);
  const auto проверка = папка.Запустить("check");
  EXPECT_EQ(проверка.код, 1) << проверка.текст;
  EXPECT_NE(проверка.текст.find("streams: stream 1: class " + std::to_string(класс)),
            std::string::npos)
      << проверка.текст;
}

}  // namespace
}  // namespace korvella
