#include "core/text.h"

namespace korvella {

std::string Удаление_лишних_пробелов(std::string_view текст) {
  // Replacing two blanks by one until nothing changes leaves exactly one blank
  // of every run, so one pass does it.
  std::string результат;
  результат.reserve(текст.size());
  for (char c : текст) {
    if (c == ' ' && !результат.empty() && результат.back() == ' ') continue;
    результат.push_back(c);
  }
  return результат;
}

}  // namespace korvella
