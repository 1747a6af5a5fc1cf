// Command line of korvella-cli: the command word, its words and its options,
// checked against what the command declares before anything is read or written.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvella::cli {

struct Параметры {
  std::string команда;                       // new, continue, ...
  std::vector<std::string> слова;            // words after the command that are not options
  std::map<std::string, std::string> опции;  // given options and their values ("" for a flag)

  bool Есть(std::string_view опция) const { return опции.count(std::string(опция)) > 0; }
  std::optional<std::string> Значение(std::string_view опция) const;
  // The value of an option whose text the parser has checked to be a number.
  std::optional<std::int64_t> Число(std::string_view опция) const;
  // --yes: questions whose "Да" deletes, replaces or overwrites data get "Да".
  bool Согласие_на_утрату_данных() const { return Есть("--yes"); }
};

// One option a command takes.
struct Опция {
  const char* имя;           // "--seed"
  const char* значение;      // the value's name in the help ("N"), nullptr for a flag
  const char* пояснение;     // one line of help
  // Checks the value's text; empty when it is fine, else the usage error.
  std::string (*проверить)(const std::string& значение) = nullptr;
};

// Checks of option values shared by several commands.
std::string Неотрицательное_целое(const std::string& значение);
std::string Непустое(const std::string& значение);

// Parses `argv` for the command it names; `опции_команды` gives the options the
// named command takes (nullptr: no such command). On a usage error returns
// nullopt and fills `ошибка`.
using Опции_команды = const std::vector<Опция>* (*)(const std::string& команда);
std::optional<Параметры> Разобрать(int argc, char** argv, Опции_команды опции_команды,
                                   std::string& ошибка);

// The options every command takes.
const std::vector<Опция>& Общие_опции();

}  // namespace korvella::cli
