// The PE dialog of step 7: the weekly PE load of the classes, the gyms it needs,
// and "Распределить нагрузку", which puts it into the gyms.
#pragma once

#include <string>
#include <string_view>

#include "auxiliary/special_room_load_step.h"

namespace korvella {

class Модель_нагрузка_классов_по_физре {
 public:
  static constexpr const char* kЗаголовок = "Нагрузка классов по физкультуре";
  static constexpr const char* kПоле = "Поле_ввода_нагрузки_по_физкультуре";
  static constexpr const char* kНадпись_поля = "Недельная нагрузка классов по физкультуре:";

  Модель_нагрузка_классов_по_физре(Среда& среда, Модель_нагрузка_классов_в_спецпомещениях& шаг)
      : среда_(среда), шаг_(шаг) {}

  // Proposes a PE load and shows the gyms it needs.
  void Активировать();

  // The field takes one digit 1..3; Backspace empties it.
  static bool Клавиша_допустима(char32_t клавиша);
  const std::string& Поле() const { return поле_; }
  bool Нажать_клавишу_в_поле(char32_t клавиша);
  bool Ввести_нагрузку(std::string_view текст);
  // Text of Поле_вывода_сообщения.
  const std::string& Сообщение() const { return сообщение_; }

  // "Распределить нагрузку": true when the dialog closes; an empty field is
  // refused with the error window.
  bool Распределить();

 private:
  void Нагрузка_изменена();
  int Спортзалов() const;

  Среда& среда_;
  Модель_нагрузка_классов_в_спецпомещениях& шаг_;
  std::string поле_;
  std::string сообщение_;
};

}  // namespace korvella
