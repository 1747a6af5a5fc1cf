// Archive and restore through the command-line program, as a user runs them.
#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "tests/support/cli_process.h"

namespace korvella {
namespace {

namespace fs = std::filesystem;
using тест::Папка_данных;

std::string Содержимое(const fs::path& путь) {
  std::ifstream f(путь, std::ios::binary);
  std::stringstream с;
  с << f.rdbuf();
  return с.str();
}

// The program's files in its folder, by name (the lock file is the program's
// own business, not data).
std::map<std::string, std::string> Файлы(const Папка_данных& папка) {
  std::map<std::string, std::string> файлы;
  for (const auto& э : fs::directory_iterator(папка.Папка_программы()))
    if (э.path().filename() != ".korvella.lock")
      файлы[э.path().filename().string()] = Содержимое(э.path());
  return файлы;
}

TEST(Архив_командной_строки, новая_задача_возвращается_из_архива_байт_в_байт) {
  Папка_данных папка("archive_round_trip");
  const fs::path том = папка.путь / "volume";
  ASSERT_EQ(папка.Запустить("new --seed 1").код, 0);
  const auto архивированные = Файлы(папка);
  const auto архив = папка.Запустить("archive --to " + том.string() + " --folder Копия");
  ASSERT_EQ(архив.код, 0) << архив.текст;
  const fs::path путь = том / "Копия" / "ZRB_Korvella_025_22.zip";
  EXPECT_NE(архив.текст.find("Архивирование расписания прошло успешно.\nПолное имя файла: " +
                             путь.string()),
            std::string::npos)
      << архив.текст;

  ASSERT_EQ(папка.Запустить("new --seed 2 --yes").код, 0);
  ASSERT_NE(Файлы(папка), архивированные);
  // Without --yes nothing is replaced.
  const auto без_согласия = папка.Запустить("restore " + путь.string());
  EXPECT_EQ(без_согласия.код, 1);
  const auto после_второй = Файлы(папка);

  const auto восстановление = папка.Запустить("restore --yes " + путь.string());
  ASSERT_EQ(восстановление.код, 0) << восстановление.текст;
  EXPECT_NE(восстановление.текст.find("Данные успешно перенесены"), std::string::npos);
  EXPECT_EQ(Файлы(папка), архивированные);
  EXPECT_NE(Файлы(папка), после_второй);
  EXPECT_FALSE(fs::exists(папка.путь / "ZRB_Lab" / "ZRB_Korvella_025_old"));
  const auto проверка = папка.Запустить("check");
  EXPECT_EQ(проверка.код, 0) << проверка.текст;
}

TEST(Архив_командной_строки, существующий_архив_заменяется_только_с_согласием) {
  Папка_данных папка("archive_replace");
  ASSERT_EQ(папка.Запустить("new --seed 4").код, 0);
  const std::string куда = "archive --to " + (папка.путь / "volume").string();
  ASSERT_EQ(папка.Запустить(куда).код, 0);
  const fs::path путь = папка.путь / "volume" / "ZRB_Korvella_025_22.zip";
  const std::string прежний = Содержимое(путь);
  ASSERT_EQ(папка.Запустить("new --seed 5 --yes").код, 0);
  const auto отказ = папка.Запустить(куда);
  EXPECT_EQ(отказ.код, 1);
  EXPECT_NE(отказ.текст.find("уже существует. Заменить его новым архивом? -> Нет"),
            std::string::npos)
      << отказ.текст;
  EXPECT_EQ(Содержимое(путь), прежний);
  EXPECT_EQ(папка.Запустить(куда + " --yes").код, 0);
  EXPECT_NE(Содержимое(путь), прежний);
}

TEST(Архив_командной_строки, архив_с_выходом_из_папки_отвергается) {
  Папка_данных папка("archive_hostile");
  ASSERT_EQ(папка.Запустить("new --seed 6").код, 0);
  const auto до = Файлы(папка);
  const fs::path путь = папка.путь / "volume" / "ZRB_Korvella_025_22.zip";
  fs::create_directories(путь.parent_path());
  int код = 0;
  zip_t* архив = zip_open(путь.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &код);
  ASSERT_NE(архив, nullptr);
  const std::string данные = до.at("Korvella22.gzdat");
  const std::string чужое = "#!/bin/sh\n";
  zip_file_add(архив, "ZRB_Lab/ZRB_Korvella_025/Korvella22.gzdat",
               zip_source_buffer(архив, данные.data(), данные.size(), 0), 0);
  zip_file_add(архив, "ZRB_Lab/ZRB_Korvella_025/../../evil.sh",
               zip_source_buffer(архив, чужое.data(), чужое.size(), 0), 0);
  ASSERT_EQ(zip_close(архив), 0);

  const auto итог = папка.Запустить("restore --yes " + путь.string());
  EXPECT_EQ(итог.код, 1);
  EXPECT_NE(итог.текст.find("Данные НЕ восстановлены!"), std::string::npos) << итог.текст;
  EXPECT_NE(итог.текст.find("../../evil.sh"), std::string::npos) << итог.текст;
  EXPECT_EQ(Файлы(папка), до);
  EXPECT_FALSE(fs::exists(папка.путь / "evil.sh"));
}

}  // namespace
}  // namespace korvella
