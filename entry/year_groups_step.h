// Step 2: how many senior year groups the school has (the five middle ones are
// always planned, the junior ones never).
#pragma once

#include <string>
#include <string_view>

#include "shell/step_model.h"

namespace korvella {

class Модель_количество_параллелей_в_школе : public Модель_шага {
 public:
  static constexpr const char* kПоле_старших = "Поле_ввода_количество_параллелей_старшей_школы";

  explicit Модель_количество_параллелей_в_школе(Среда& среда) : Модель_шага(среда, 2) {}

  static std::string Надпись_старшей_школы();
  static std::string Надпись_средней_школы();
  static std::string Надпись_младшей_школы();

  // The edit takes one digit 0..4; Backspace clears it.
  static bool Клавиша_допустима(char32_t клавиша);
  const std::string& Поле_старших() const { return поле_; }
  bool Нажать_клавишу_в_поле(char32_t клавиша);
  bool Ввести_количество_старших(std::string_view текст);

 protected:
  bool Впервые(int прежняя_форма) const override { return прежняя_форма <= 1; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  std::string поле_;
};

}  // namespace korvella
