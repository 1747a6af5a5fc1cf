// A whole new task through the command-line program, then its check command and
// the same check in process on the stored record.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/main_record.h"
#include "tests/support/cli_process.h"
#include "timetable/timetable_check.h"

namespace korvella {
namespace {

namespace fs = std::filesystem;

using тест::Папка_данных;

TEST(Вся_задача, от_новой_задачи_до_проверенного_расписания) {
  for (const auto& [классов, режим, зерно] :
       {std::tuple{5, "5x7", 3}, {20, "6x6", 11}, {28, "6x6", 7}, {28, "5x7", 2}}) {
    SCOPED_TRACE(std::to_string(классов) + " " + режим);
    Папка_данных папка(std::to_string(классов) + режим);
    const auto новая = папка.Запустить("new --seed " + std::to_string(зерно) + " --classes " +
                                       std::to_string(классов) + " --mode " + режим);
    EXPECT_EQ(новая.код, 0) << новая.текст;
    EXPECT_NE(новая.текст.find("(29)  calculated, "), std::string::npos) << новая.текст;
    EXPECT_NE(новая.текст.find(", iterations "), std::string::npos);
    EXPECT_NE(новая.текст.find(", attempt "), std::string::npos);

    const auto проверка = папка.Запустить("check");
    EXPECT_EQ(проверка.код, 0) << проверка.текст;
    EXPECT_NE(проверка.текст.find("check passed"), std::string::npos);

    const auto з = папка.Прочитать();
    ASSERT_TRUE(з);
    EXPECT_TRUE(з->Готово_основное_расписание);
    EXPECT_EQ(з->Количество_классов_в_школе, классов);
    const auto итог = Проверка_основного_расписания(*з);
    EXPECT_TRUE(итог.Верно()) << итог.нарушения.front();
    EXPECT_GT(итог.уроков, 0);
  }
}

TEST(Вся_задача, проверка_отвергает_испорченное_расписание) {
  Папка_данных папка("порча");
  ASSERT_EQ(папка.Запустить("new --seed 4 --classes 10").код, 0);
  auto з = папка.Прочитать();
  ASSERT_TRUE(з);
  // The same teacher in two classes at once.
  з->Школьное_расписание(2, 3) = з->Школьное_расписание(1, 3);
  папка.Записать(*з);
  const auto проверка = папка.Запустить("check");
  EXPECT_EQ(проверка.код, 1);
  EXPECT_NE(проверка.текст.find("check failed"), std::string::npos) << проверка.текст;
  EXPECT_NE(проверка.текст.find("also teaches class"), std::string::npos) << проверка.текст;
}

}  // namespace
}  // namespace korvella
