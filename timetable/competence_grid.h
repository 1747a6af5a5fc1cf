// The look of a cell of the competence and distribution grids (the window paints
// what the step model says), and the quoting of names in their messages.
#pragma once

#include <cstdint>
#include <string>

namespace korvella {

// Colours, 0xRRGGBB.
constexpr std::uint32_t kЦвет_ячейка_заполнена = 0x508114;  // RGB 80,129,20
constexpr std::uint32_t kЦвет_ячейка_пуста = 0xF3B0CF;      // RGB 243,176,207
constexpr std::uint32_t kЦвет_строка_выбрана = 0xA4B1F8;    // RGB 164,177,248
constexpr std::uint32_t kЦвет_ячейка_выбрана = 0x5166DE;    // RGB 81,102,222
constexpr std::uint32_t kЦвет_перегрузка = 0xFF0000;

struct Вид_ячейки_сетки {
  std::string текст;
  bool фиксированная = false;  // header cells keep the grid's own look
  std::uint32_t фон = 0;
  bool белый_текст = false;
};

// A name between two straight double quotation marks.
inline std::string В_кавычках(const std::string& имя) { return "\"" + имя + "\""; }

}  // namespace korvella
