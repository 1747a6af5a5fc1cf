// Step 6: how many special rooms the school has and their names and subjects.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_список_спецпомещений : public Модель_шага {
 public:
  static constexpr const char* kПоле_количества = "Область_ввода_количества_спецпомещений";
  static constexpr const char* kТаблица = "Таблица_списка_спецпомещений";
  static constexpr int kСтолбец_помещения = 1;
  static constexpr int kСтолбец_предмета = 2;
  static constexpr std::array<int, 3> kШирины_столбцов = {20, 110, 110};

  explicit Модель_список_спецпомещений(Среда& среда) : Модель_шага(среда, 6) {}

  std::string Надпись_количества() const;
  // The count field takes one digit 1..4; Backspace empties it.
  static bool Клавиша_допустима(char32_t клавиша);
  const std::string& Поле_количества() const { return поле_; }
  // A key into the count field. A non-empty new value above the maximum is
  // refused with a message and the field shows the maximum; any non-empty value
  // rebuilds the list with default names.
  bool Нажать_клавишу_в_поле(char32_t клавиша);
  bool Ввести_количество(std::string_view текст);

  // count + 1 rows: row 0 the heading.
  int Строк() const { return static_cast<int>(строки_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;
  bool Изменить_ячейку(int строка, int столбец, std::string_view текст);

 protected:
  bool Впервые(int прежняя_форма) const override { return прежняя_форма < 6; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  void Количество_изменено();
  void Список_из_записи();
  void Сохранить_список() const;

  std::string поле_;
  std::vector<std::array<std::string, 2>> строки_;  // room and subject of rows 1..count
};

}  // namespace korvella
