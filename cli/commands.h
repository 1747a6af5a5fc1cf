// The commands of korvella-cli, one table: each command declares its words and
// options, so a usage error is found before any file is read, and the help text
// is made from the same table.
//
// A new command: write its handler in a file of its own (cli/<name>_command.cpp),
// declare it in that file's header and add one row to the table in commands.cpp.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cli/options.h"

namespace korvella::cli {

struct Команда {
  const char* имя;          // "new"
  const char* слова;        // the words in the help line ("classes|teachers"), "" when none
  int слов_не_меньше = 0;
  int слов_не_больше = 0;
  std::vector<Опция> опции;  // besides the common ones
  const char* пояснение;    // help lines, each ending in "\n"
  // Usage checks beyond the counts (which words, which options together); empty when
  // the command line is fine. May be nullptr.
  std::string (*проверить)(const Параметры&) = nullptr;
  // Runs the command; returns the exit code.
  int (*выполнить)(const Параметры&) = nullptr;
};

const std::vector<Команда>& Команды();
const Команда* Найти_команду(const std::string& имя);

// The whole help text.
std::string Справка();

// Usage errors of a parsed command line that its command's table row finds
// (word counts and the row's own check); empty when none.
std::string Ошибка_употребления(const Параметры& п);

// Exit codes.
inline constexpr int kГотово = 0;
inline constexpr int kНеудача = 1;       // a calculation failed, the chain stopped, a check failed
inline constexpr int kУпотребление = 2;  // a usage error
inline constexpr int kСбой = 3;          // an internal failure, reported on standard error

}  // namespace korvella::cli
