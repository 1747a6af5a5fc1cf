// How a timetable cell is painted: the colours of the codes, the text offset and
// the strip that marks the current cell. The frames only carry this out.
#pragma once

#include <cstdint>

namespace korvella {

// Colour codes of the class grid.
enum Код_цвета_классов : int {
  kКод_основного = 0,    // main timetable lesson, or empty
  kКод_санитарного = 1,  // sanitary no-lesson slot: no text is drawn
  kКод_потока = 2,
  kКод_разделения = 3,
  kКод_спецпомещения = 4,
  kКод_совместителя = 5,
};

// Code of the teacher grid: the teacher has a lesson there.
constexpr int kКод_занятого_преподавателя = 1;

struct Рисунок_ячейки {
  std::uint32_t фон;  // 0xRRGGBB
  std::uint32_t цвет_текста;
  bool текст_виден;
  bool полоса;  // the current cell's strip along the right edge
};

constexpr int kОтступ_текста_слева = 5;
constexpr int kОтступ_текста_сверху = 2;
constexpr int kШирина_полосы_текущей_ячейки = 18;
constexpr std::uint32_t kЦвет_полосы_текущей_ячейки = 0x0000FF;

Рисунок_ячейки Рисунок_ячейки_классов(int код, bool текущая);
Рисунок_ячейки Рисунок_ячейки_преподавателей(int код, bool текущая);

}  // namespace korvella
