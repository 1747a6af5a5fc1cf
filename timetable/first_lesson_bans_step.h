// Step 28, "Запреты на работу в первый урок": a few staff teachers may be given
// a ban on the first lesson of every day. The grid is data here; the window
// paints it and forwards double clicks and Enter.
#pragma once

#include <cstdint>
#include <string>

#include "shell/step_model.h"

namespace korvella {

// The largest number of bans (T div 10, at least 1) and no bans for teachers 1..T.
void Вектор_штатных_отказников(int T, int32& максимум_запретов,
                               Вектор<int32, kМаксимум_преподавателей>& отказники);

constexpr std::uint32_t kЦвет_запрета = 0xF3B0CF;       // pink
constexpr std::uint32_t kЦвет_без_запрета = 0x608114;   // RGB 96,129,20

class Модель_запретов_на_первый_урок : public Модель_шага {
 public:
  static constexpr int kНомер = 28;
  static constexpr const char* kТаблица = "Таблица_отказов_от_первого_урока";
  // A teacher with this load or more may not get a ban.
  static constexpr int kНагрузка_без_запрета = 18;

  explicit Модель_запретов_на_первый_урок(Среда& среда);

  std::string Надпись_максимум_запретов() const;

  // The grid: 1 fixed row, 2 fixed columns, T + 1 rows, 3 columns.
  int Строк() const;
  static constexpr int kСтолбцов = 3;
  static int Ширина_столбца(int столбец);
  std::string Ячейка(int строка, int столбец) const;
  bool Есть_запрет(int преподаватель) const;
  std::uint32_t Цвет_ячейки(int строка) const;  // of column 2
  int Количество_запретов() const;

  // Double click or Enter on column 2 of a teacher's row; true when the grid is
  // to take the focus back after a refusal.
  bool Переключить_запрет(int строка);

 protected:
  void Сгенерировать() override;
};

}  // namespace korvella
