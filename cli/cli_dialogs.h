// The command line's answer to the dialogs: what the windows would show is
// printed on one line each. Ordinary questions get "Да", as a user pressing
// "Продолжить" through the chain would answer; a question whose "Да" deletes,
// replaces or overwrites the user's data gets "Нет" unless the command was given
// --yes, so that no command destroys data on its own.
#pragma once

#include <cstdio>
#include <string>

#include "core/dialogs.h"

namespace korvella::cli {

// A message of the windows on one line: line breaks become blanks, leading ones go.
inline std::string Одной_строкой(std::string_view т) {
  std::string строка(т);
  for (char& c : строка)
    if (c == '\n' || c == '\r') c = ' ';
  while (!строка.empty() && строка.front() == ' ') строка.erase(строка.begin());
  return строка;
}

class Диалоги_командной_строки : public Диалоги {
 public:
  Диалоги_командной_строки(std::FILE* вывод, const char* отступ,
                           bool согласие_на_утрату_данных = false)
      : вывод_(вывод), отступ_(отступ), согласие_(согласие_на_утрату_данных) {}

  void Ошибка(std::string_view т) override { Вывести("error", т); }
  void Сообщение(std::string_view т) override { Вывести("message", т); }
  bool Вопрос(std::string_view т) override {
    Вывести("question", т, " -> Да");
    return true;
  }
  bool Вопрос_об_утрате_данных(std::string_view т) override {
    Вывести("question", т, согласие_ ? " -> Да (--yes)" : " -> Нет (give --yes to answer Да)");
    return согласие_;
  }
  void Простое_сообщение(std::string_view т) override { Вывести("message", т); }
  void Стандартная_ошибка(std::string_view т) override { Вывести("error", т); }

 private:
  void Вывести(const char* вид, std::string_view т, const char* хвост = "") const {
    std::fprintf(вывод_, "%s[%s] %s%s\n", отступ_, вид, Одной_строкой(т).c_str(), хвост);
    std::fflush(вывод_);
  }

  std::FILE* вывод_;
  const char* отступ_;
  bool согласие_;
};

}  // namespace korvella::cli
