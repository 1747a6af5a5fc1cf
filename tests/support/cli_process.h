// Runs korvella-cli as a separate process on a data folder of its own, as a user
// would from a shell (KORVELLA_CLI is the program's path, set by the build).
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/main_record.h"

namespace korvella::тест {

struct Вывод_программы {
  int код = -1;
  std::string текст;  // standard output and standard error together
};

inline Вывод_программы Запустить_программу(const std::string& аргументы) {
  const std::string команда = std::string(KORVELLA_CLI) + " " + аргументы + " 2>&1";
  Вывод_программы в;
  FILE* поток = popen(команда.c_str(), "r");
  if (!поток) return в;
  std::array<char, 4096> буфер{};
  while (fgets(буфер.data(), буфер.size(), поток)) в.текст += буфер.data();
  const int статус = pclose(поток);
  в.код = WIFEXITED(статус) ? WEXITSTATUS(статус) : -1;
  return в;
}

// A working folder of its own, removed afterwards.
struct Папка_данных {
  std::filesystem::path путь;
  explicit Папка_данных(const std::string& имя)
      : путь(std::filesystem::temp_directory_path() /
             ("korvella_cli_" + имя + "_" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(путь);
    std::filesystem::create_directories(путь);
  }
  ~Папка_данных() { std::filesystem::remove_all(путь); }
  Папка_данных(const Папка_данных&) = delete;
  Папка_данных& operator=(const Папка_данных&) = delete;

  std::filesystem::path Папка_программы() const { return путь / "ZRB_Lab" / "ZRB_Korvella_025"; }
  std::filesystem::path Файл() const { return Папка_программы() / "Korvella22.gzdat"; }

  // "--data-dir <folder> " + аргументы
  Вывод_программы Запустить(const std::string& аргументы) const {
    return Запустить_программу("--data-dir " + путь.string() + " " + аргументы);
  }

  std::string Байты() const {
    std::ifstream файл(Файл(), std::ios::binary);
    std::stringstream с;
    с << файл.rdbuf();
    return с.str();
  }
  void Записать_байты(const std::string& байты) const {
    std::filesystem::create_directories(Папка_программы());
    std::ofstream файл(Файл(), std::ios::binary | std::ios::trunc);
    файл << байты;
  }
  std::unique_ptr<тип_Главная_запись> Прочитать() const {
    const std::string б = Байты();
    if (б.size() < sizeof(тип_Главная_запись)) return nullptr;
    auto з = std::make_unique<тип_Главная_запись>();
    std::memcpy(з.get(), б.data(), sizeof(тип_Главная_запись));
    return з;
  }
  void Записать(const тип_Главная_запись& з) const {
    Записать_байты(std::string(reinterpret_cast<const char*>(&з), sizeof з));
  }
};

}  // namespace korvella::тест
