#include "views/cell_style.h"

namespace korvella {

Рисунок_ячейки Рисунок_ячейки_классов(int код, bool текущая) {
  std::uint32_t фон = 0xC6C6C6;
  switch (код) {
    case kКод_санитарного:
      фон = 0xE22727;
      break;
    case kКод_потока:
      фон = 0x8BAEE6;
      break;
    case kКод_разделения:
      фон = 0xFFBD3E;
      break;
    case kКод_спецпомещения:
      фон = 0x9ABB26;
      break;
    case kКод_совместителя:
      фон = 0xCB64FE;
      break;
    default:
      break;
  }
  return {фон, 0x000000, код != kКод_санитарного, текущая};
}

Рисунок_ячейки Рисунок_ячейки_преподавателей(int код, bool текущая) {
  const std::uint32_t фон = код == kКод_занятого_преподавателя ? 0x508114 : 0xF3B0CF;
  return {фон, 0xFFFFFF, true, текущая};
}

}  // namespace korvella
