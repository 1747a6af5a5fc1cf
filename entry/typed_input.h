// What the edits and grid cells of the step windows accept. The filters are the
// models' own, so a window, a test and the command-line program type the same way.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvella {

inline constexpr char32_t kBackspace = U'\b';
inline constexpr char32_t kEnter = U'\r';

using Фильтр_клавиш = bool (*)(char32_t клавиша);

bool Десятичная_цифра(char32_t клавиша);

// One key press into an edit of at most `максимум` characters (0 = no limit).
// Backspace removes the last character. False when the key is swallowed.
bool Нажать_клавишу(std::string& текст, char32_t клавиша, Фильтр_клавиш фильтр,
                    std::size_t максимум);

// A text arriving whole (pasted or typed by a script): the characters the filter
// refuses are dropped, the rest is cut to `максимум` characters.
std::string Отфильтровать(std::string_view текст, Фильтр_клавиш фильтр, std::size_t максимум);

// Reads a whole text as a decimal integer with an optional sign; nullopt for
// anything else (an empty text, letters, blanks inside, overflow).
std::optional<int> Целое_из_текста(std::string_view текст);

// A typed name as the list windows keep it: blank runs collapsed, both ends trimmed.
std::string Нормализовать_ячейку(std::string_view текст);

}  // namespace korvella
