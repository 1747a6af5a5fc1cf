// Small text helpers shared by the list windows and the messages.
#pragma once

#include <string>
#include <string_view>

namespace korvella {

// Collapses every run of blanks to one blank; leading and trailing runs stay as one.
std::string Удаление_лишних_пробелов(std::string_view текст);

}  // namespace korvella
