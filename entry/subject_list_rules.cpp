#include "entry/subject_list_rules.h"

#include "core/text.h"

namespace korvella {

bool Цифра(char32_t символ) { return символ >= U'0' && символ <= U'9'; }

bool Допустимый_текст_количества(std::string_view текст, std::size_t длина) {
  if (текст.size() > длина) return false;
  for (char c : текст)
    if (!Цифра(static_cast<unsigned char>(c))) return false;
  return true;
}

std::optional<int> Значение_количества(std::string_view текст) {
  if (текст.empty() || текст.size() > 9) return std::nullopt;
  int значение = 0;
  for (char c : текст) {
    if (c < '0' || c > '9') return std::nullopt;
    значение = значение * 10 + (c - '0');
  }
  return значение;
}

std::string Подпись_строки_списка(int номер) {
  return (номер <= 9 ? "   " : " ") + std::to_string(номер);
}

std::string Нормализовать_название(std::string_view текст) {
  std::string т = Удаление_лишних_пробелов(текст);
  // Trim drops control characters too, as the list windows always did.
  auto пробел = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t начало = 0;
  while (начало < т.size() && пробел(т[начало])) ++начало;
  std::size_t конец = т.size();
  while (конец > начало && пробел(т[конец - 1])) --конец;
  return т.substr(начало, конец - начало);
}

int Последний_повтор(const std::vector<std::string>& названия) {
  int строка = 0;
  const int n = static_cast<int>(названия.size());
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (названия[i] == названия[j]) строка = j + 1;
  return строка;
}

void Изменить_число_строк(std::vector<std::string>& строки, int строк) {
  строки.resize(строк < 0 ? 0 : static_cast<std::size_t>(строк));
}

}  // namespace korvella
