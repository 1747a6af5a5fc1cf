// Step 24: the curriculum grid (subjects down, classes across) and its buttons.
// The grid is data here: texts and colours of every cell; the window only paints
// them and forwards clicks and keys.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/step_model.h"
#include "timetable/curriculum_input.h"

namespace korvella {

// Colours of the curriculum grid, 0xRRGGBB.
constexpr std::uint32_t kЦвет_плана_заполнено = 0x508114;  // RGB 80,129,20
constexpr std::uint32_t kЦвет_плана_пусто = 0xF3B0CF;      // RGB 243,176,207
constexpr std::uint32_t kЦвет_плана_крест = 0xA4B1F8;      // RGB 164,177,248
constexpr std::uint32_t kЦвет_плана_выбрано = 0x5166DE;    // RGB 81,102,222

struct Вид_ячейки_плана {
  std::string текст;
  bool фиксированная = false;  // header cells keep the grid's own look
  std::uint32_t фон = 0;       // for the other cells
  bool белый_текст = false;
};

class Модель_учебного_плана : public Модель_шага {
 public:
  static constexpr int kНомер = 24;
  static constexpr const char* kТаблица = "Таблица_нераспределенного_учебного_плана";
  static constexpr int kФиксированных = 2;

  explicit Модель_учебного_плана(Среда& среда);

  // The outcome of the last generation (empty when this activation did not generate).
  const std::optional<Итог_учебного_плана>& Итог_генерации() const { return итог_; }

  std::string Надпись_предельного_значения() const;
  std::string Надпись_текущего_значения() const;
  int Текущее_значение() const;

  int Строк() const;     // N + 2
  int Столбцов() const;  // K + 2
  static int Ширина_столбца(int столбец);
  Вид_ячейки_плана Ячейка(int строка, int столбец) const;

  void Выбрать(int строка, int столбец);
  int Выбранная_строка() const { return строка_; }
  int Выбранный_столбец() const { return столбец_; }

  // Double click or Enter on a cell: the load-input dialog for a value cell
  // while the grid is editable, nothing otherwise.
  std::optional<Модель_ввода_нагрузки> Начать_ввод(int строка, int столбец);

  // "Очистить": zeroes the curriculum of subjects 1..N and classes 1..K.
  void Очистить();

 protected:
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;

 private:
  int Сумма_класса(int c) const;
  std::optional<Итог_учебного_плана> итог_;
  int строка_ = kФиксированных;
  int столбец_ = kФиксированных;
};

}  // namespace korvella
