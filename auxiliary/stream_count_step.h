// Step 14: how many senior year groups are joined into streams and how many
// streams there are.
#pragma once

#include <string>
#include <string_view>

#include "shell/step_model.h"

namespace korvella {

class Модель_количество_старших_параллелей : public Модель_шага {
 public:
  static constexpr int kНомер = 14;
  static constexpr const char* kПоле_параллелей = "Поле_ввода_количества_объединяемых";
  static constexpr const char* kПоле_потоков = "Поле_ввода_количества_потоков";
  // Two digits hold every count up to the 28 streams the record has room for.
  static constexpr std::size_t kДлина_поля_потоков = 2;

  explicit Модель_количество_старших_параллелей(Среда& среда) : Модель_шага(среда, kНомер) {}

  static std::string Надпись_параллелей();
  std::string Надпись_потоков() const;

  // The year-group edit takes one of "1".."3"; the stream edit digits. Both
  // take Backspace.
  static bool Клавиша_параллелей_допустима(char32_t клавиша);
  static bool Клавиша_потоков_допустима(char32_t клавиша);

  const std::string& Поле_параллелей() const { return поле_параллелей_; }
  const std::string& Поле_потоков() const { return поле_потоков_; }
  // A new non-empty year-group count is stored at once and draws a new stream
  // count within its limits; an emptied edit changes nothing.
  bool Нажать_клавишу_в_поле_параллелей(char32_t клавиша);
  bool Ввести_количество_параллелей(std::string_view текст);
  bool Нажать_клавишу_в_поле_потоков(char32_t клавиша);
  bool Ввести_количество_потоков(std::string_view текст);

 protected:
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  void Параллели_изменены();
  void Показать_количество_потоков();

  std::string поле_параллелей_;
  std::string поле_потоков_;
};

}  // namespace korvella
