// The command line's answer to the dialogs: every question gets "Да", and what
// the windows would show is printed on one line each.
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
  Диалоги_командной_строки(std::FILE* вывод, const char* отступ) : вывод_(вывод), отступ_(отступ) {}

  void Ошибка(std::string_view т) override { Вывести("error", т); }
  void Сообщение(std::string_view т) override { Вывести("message", т); }
  bool Вопрос(std::string_view т) override {
    Вывести("question", т, " -> Да");
    return true;
  }
  void Простое_сообщение(std::string_view т) override { Вывести("message", т); }
  void Стандартная_ошибка(std::string_view т) override { Вывести("error", т); }

 private:
  void Вывести(const char* вид, std::string_view т, const char* хвост = "") const {
    std::fprintf(вывод_, "%s[%s] %s%s\n", отступ_, вид, Одной_строкой(т).c_str(), хвост);
  }

  std::FILE* вывод_;
  const char* отступ_;
};

}  // namespace korvella::cli
