#include "cli/view_commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/views/fixture.h"

namespace korvella {
namespace {

namespace fs = std::filesystem;
using тест::Час;

std::string Вывод_команды(const std::function<int(std::FILE*)>& команда, int& код) {
  std::FILE* ф = std::tmpfile();
  код = команда(ф);
  std::rewind(ф);
  std::string т;
  char буфер[4096];
  for (std::size_t n; (n = std::fread(буфер, 1, sizeof буфер, ф)) > 0;) т.append(буфер, n);
  std::fclose(ф);
  return т;
}

TEST(Команды_просмотра, show_печатает_сетку_через_табуляцию) {
  auto з = тест::Малая_школа(5, 7);
  з->Готово_основное_расписание = true;
  з->Школьное_расписание(1, Час(1, 2, 7)) = 1;
  з->Расписание_предметов(1, Час(1, 2, 7)) = 1;
  Диалоги_по_сценарию диалоги;
  int код = -1;
  const std::string классы = Вывод_команды(
      [&](std::FILE* ф) { return cli::Показать_вкладку(*з, "classes", диалоги, ф); }, код);
  EXPECT_EQ(код, 0);
  std::istringstream строки(классы);
  std::string строка;
  std::getline(строки, строка);
  EXPECT_EQ(строка, "\t\tПонедельник\tВторник\tСреда\tЧетверг\tПятница");
  std::getline(строки, строка);
  EXPECT_EQ(строка, "5А\tУрок 1\t\t\t\t\t");
  std::getline(строки, строка);
  EXPECT_EQ(строка, "\tУрок 2\tМатематика,  Иванова И.И.\t\t\t\t");
  EXPECT_EQ(std::count(классы.begin(), классы.end(), '\n'), 15);

  const std::string преподаватели = Вывод_команды(
      [&](std::FILE* ф) { return cli::Показать_вкладку(*з, "teachers", диалоги, ф); }, код);
  EXPECT_NE(
      преподаватели.find("Иванова И.И.: Н=18: М=5\tУрок 1\t\t\t\t\t\n\tУрок 2\t5А, Математика\t"),
      std::string::npos);
}

TEST(Команды_просмотра, export_пишет_в_указанный_файл_после_санитарных_ограничений) {
  auto з = тест::Малая_школа(6, 6);
  const fs::path файл =
      fs::temp_directory_path() / ("korvella_cli_" + std::to_string(::getpid()) + ".xml");
  fs::remove(файл);
  cli::Параметры п;
  п.команда = "export";
  п.опции["--out"] = файл.string();
  Диалоги_по_сценарию диалоги;
  int код = -1;
  Вывод_команды([&](std::FILE* ф) { return cli::Вывести_в_файл(*з, п, диалоги, ф); }, код);
  EXPECT_EQ(код, 1);
  EXPECT_FALSE(fs::exists(файл));
  EXPECT_EQ(диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка).size(), 1u);

  з->Готовы_санитарные_ограничения = true;
  const std::string вывод =
      Вывод_команды([&](std::FILE* ф) { return cli::Вывести_в_файл(*з, п, диалоги, ф); }, код);
  EXPECT_EQ(код, 0);
  EXPECT_EQ(вывод, файл.string() + "\n");
  std::ifstream ф(файл, std::ios::binary);
  std::stringstream с;
  с << ф.rdbuf();
  EXPECT_NE(с.str().find("ss:ExpandedColumnCount=\"8\" ss:ExpandedRowCount=\"13\""),
            std::string::npos);
  EXPECT_TRUE(диалоги.Тексты(Диалоги_по_сценарию::Вид::Вопрос).empty());
  fs::remove(файл);
}

}  // namespace
}  // namespace korvella
