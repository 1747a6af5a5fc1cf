// Step 1: the school's grid mode (6 days of 6 lessons or 5 days of 7) and the
// number of classes.
#pragma once

#include <string>
#include <string_view>

#include "shell/step_model.h"

namespace korvella {

class Модель_базовые_параметры : public Модель_шага {
 public:
  static constexpr int kМаксимум_классов_школы = 28;
  static constexpr std::size_t kДлина_поля_классов = 2;
  static constexpr const char* kПоле_классов = "Поле_ввода_количество_классов";
  static constexpr const char* kРадио_группа = "Радио_группа_режим_работы_школы";
  // Items of the radio group; -1 = nothing selected.
  static constexpr int kРежим_6х6 = 0;
  static constexpr int kРежим_5х7 = 1;

  explicit Модель_базовые_параметры(Среда& среда) : Модель_шага(среда, 1) {}

  static const char* Пункт_режима(int пункт);
  static std::string Надпись_количества_классов();

  // The edit accepts digits and Backspace only.
  static bool Клавиша_допустима(char32_t клавиша);
  const std::string& Поле_классов() const { return поле_классов_; }
  // One key typed into the edit; false when swallowed or the edit is read-only.
  bool Нажать_клавишу_в_поле(char32_t клавиша);
  // The edit's whole text (pasted, or set by a script), filtered as typed keys are.
  bool Ввести_количество_классов(std::string_view текст);

  int Выбранный_режим() const { return режим_; }
  bool Выбрать_режим(int пункт);

 protected:
  bool Генерация_до_записи_номера() const override { return true; }
  bool Впервые(int прежняя_форма) const override { return прежняя_форма <= 0; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;
  void После_продолжения() override;
  void При_закрытии() override;

 private:
  void Режим_в_запись() const;

  std::string поле_классов_;
  int режим_ = -1;
};

}  // namespace korvella
