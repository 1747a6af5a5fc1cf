// The small "Ввод нагрузки" window: the lessons per week of one subject in one
// class, 0..D-1, refused when the class would get more than its free hours.
#pragma once

#include <string>
#include <string_view>

#include "shell/environment.h"
#include "timetable/curriculum.h"

namespace korvella {

class Модель_ввода_нагрузки {
 public:
  static constexpr const char* kПоле = "Поле_ввода_нагрузка_класса";

  Модель_ввода_нагрузки(Среда& среда, int предмет, int класс);

  int Предмет() const { return предмет_; }
  int Класс() const { return класс_; }
  std::string Надпись() const;

  // The key filter: Backspace and the digits 0..D-1.
  bool Допустимая_клавиша(char32_t клавиша) const;
  // The field holds one character at most, and only what the filter lets in.
  bool Установить_поле(std::string_view текст);
  const std::string& Поле() const { return поле_; }

  // "Ввести": true when the value is stored and the window closes; otherwise the
  // error window has been shown and the focus goes back to the field.
  bool Ввести();

 private:
  Среда& среда_;
  int предмет_;
  int класс_;
  std::string поле_;
};

}  // namespace korvella
