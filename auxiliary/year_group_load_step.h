// Step 4: the weekly load of every year group, within the sanitary norms and
// not below the school's minimum.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_учебная_нагрузка_параллелей : public Модель_шага {
 public:
  static constexpr const char* kТаблица = "Таблица_учебной_нагрузки_параллелей";
  static constexpr std::array<int, 2> kШирины_столбцов = {66, 60};

  explicit Модель_учебная_нагрузка_параллелей(Среда& среда) : Модель_шага(среда, 4) {}

  // P + 1 rows: row 0 the heading, row p year group p; column 1 the load.
  int Строк() const { return static_cast<int>(нагрузки_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;

  // The load cells take digits, Backspace and Enter.
  static bool Клавиша_допустима(char32_t клавиша);
  // One key into the load cell of year group p; Enter refreshes the school's load.
  bool Нажать_клавишу(int строка, char32_t клавиша);
  // The cell's whole text (the grid's editor, a script), filtered as typed keys are.
  bool Изменить_ячейку(int строка, std::string_view текст);

  std::string Надпись_пределов() const;
  // "Текущая нагрузка школы = T", refreshed on clicks in the grid and on Enter.
  const std::string& Надпись_текущей_нагрузки() const { return надпись_нагрузки_; }
  void Обновить_текущую_нагрузку();
  int Текущая_нагрузка() const;

 protected:
  bool Впервые(int прежняя_форма) const override { return прежняя_форма <= 3; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void При_закрытии() override;

 private:
  int Неделя() const;
  void Сохранить_непустые() const;

  std::vector<std::string> нагрузки_;  // load cells of year groups 1..P
  std::string надпись_нагрузки_;
};

}  // namespace korvella
