#include "entry/typed_input.h"

#include <charconv>

#include "core/text.h"
#include "core/text_codec.h"

namespace korvella {

bool Десятичная_цифра(char32_t к) { return к >= U'0' && к <= U'9'; }

bool Нажать_клавишу(std::string& текст, char32_t клавиша, Фильтр_клавиш фильтр,
                    std::size_t максимум) {
  if (!фильтр(клавиша)) return false;
  std::u32string символы = Из_UTF8(текст);
  if (клавиша == kBackspace) {
    if (!символы.empty()) символы.pop_back();
  } else if (клавиша == kEnter) {
    return true;  // accepted, but it types nothing
  } else {
    if (максимум != 0 && символы.size() >= максимум) return false;
    символы.push_back(клавиша);
  }
  текст = В_UTF8(символы);
  return true;
}

std::string Отфильтровать(std::string_view текст, Фильтр_клавиш фильтр, std::size_t максимум) {
  std::u32string результат;
  for (char32_t к : Из_UTF8(текст)) {
    if (к == kBackspace || к == kEnter || !фильтр(к)) continue;
    if (максимум != 0 && результат.size() >= максимум) break;
    результат.push_back(к);
  }
  return В_UTF8(результат);
}

std::optional<int> Целое_из_текста(std::string_view т) {
  if (!т.empty() && т.front() == '+') т.remove_prefix(1);
  if (т.empty() || т.front() == '+' || (т.front() == '-' && т.size() > 1 && т[1] == '+'))
    return std::nullopt;
  int значение = 0;
  const auto [конец, ошибка] = std::from_chars(т.data(), т.data() + т.size(), значение);
  if (ошибка != std::errc() || конец != т.data() + т.size()) return std::nullopt;
  return значение;
}

std::string Нормализовать_ячейку(std::string_view текст) {
  std::string т = Удаление_лишних_пробелов(текст);
  const auto Пустой = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t начало = 0, конец = т.size();
  while (начало < конец && Пустой(т[начало])) ++начало;
  while (конец > начало && Пустой(т[конец - 1])) --конец;
  return т.substr(начало, конец - начало);
}

}  // namespace korvella
