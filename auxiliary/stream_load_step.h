// Step 16: the weekly lessons of every stream (1..3).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_формирование_нагрузки_потоков : public Модель_шага {
 public:
  static constexpr int kНомер = 16;
  static constexpr const char* kТаблица = "Таблица_нагрузки_потоков";
  static constexpr int kСтолбец_нагрузки = 2;

  explicit Модель_формирование_нагрузки_потоков(Среда& среда) : Модель_шага(среда, kНомер) {}

  // S + 1 rows: row 0 the heading, row s stream s (number, name, load).
  int Строк() const { return static_cast<int>(нагрузки_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;

  // The load cells take "1".."3", Backspace and Enter.
  static bool Клавиша_допустима(char32_t клавиша);
  bool Нажать_клавишу(int строка, char32_t клавиша);
  // The cell's whole text (the grid's editor, a script), filtered as keys are.
  bool Изменить_ячейку(int строка, std::string_view текст);

 protected:
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  void Сохранить_нагрузки(bool только_допустимые);

  std::vector<std::string> нагрузки_;  // load cells of streams 1..S
};

}  // namespace korvella
