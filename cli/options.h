// Command line of korvella-cli.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvella::cli {

struct Параметры {
  std::string команда;             // new, continue, ...
  std::vector<std::string> аргументы;  // words after the command that are not options
  std::optional<std::string> каталог_данных;
  std::optional<std::uint64_t> зерно;
  // Optional tasks as step 0's check boxes: rooms, parttime, streams, groups.
  std::optional<std::vector<std::string>> задачи;
  std::optional<int> классы;           // typed into step 1
  std::optional<std::string> режим;    // "6x6" or "5x7", chosen in step 1
  std::optional<std::string> выходной_файл;
};

// Parses the arguments; on a usage error returns nullopt and fills `ошибка`.
std::optional<Параметры> Разобрать(int argc, char** argv, std::string& ошибка);

extern const char* const kСправка;

}  // namespace korvella::cli
