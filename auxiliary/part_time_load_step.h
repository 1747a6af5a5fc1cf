// Step 12: how many lessons each part-time teacher gives each class, typed cell
// by cell through the dialog "Ввод нагрузки совместителя".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/step_model.h"

namespace korvella {

class Модель_ТРПН_совместителей : public Модель_шага {
 public:
  static constexpr int kНомер = 12;
  static constexpr const char* kТаблица = "Таблица_распределения_ПН_для_совместителей";
  // Rows: 0 the heading, 1 the entered sums, 2.. the classes. Columns: number,
  // class name, then one per part-timer.
  static constexpr int kФиксированных_строк = 2;
  static constexpr int kФиксированных_столбцов = 2;
  static constexpr int kШирина_столбца = 280;

  explicit Модель_ТРПН_совместителей(Среда& среда) : Модель_шага(среда, kНомер) {}

  int Строк() const;
  int Столбцов() const;
  std::string Ячейка(int строка, int столбец) const;
  // Colour of a lesson cell; 0 for the fixed cells.
  std::uint32_t Цвет(int строка, int столбец) const;
  // Lessons of part-timer p entered over all classes.
  int Введено(int совместитель) const;

  // The largest value the dialog takes for a lesson cell (1 for a one-day
  // part-timer, else 2); nullopt for the fixed cells.
  std::optional<int> Предел_ячейки(int строка, int столбец) const;
  // The dialog's value for a cell: 0 is always stored; 1 or 2 only while the
  // part-timer's entered sum, this cell's old value replaced, stays within its
  // load. False (with the message shown) when refused.
  bool Ввести_нагрузку(int строка, int столбец, int значение);
  bool Очистить();

 protected:
  void Сгенерировать() override;
  std::optional<Отказ> Проверить_и_сохранить() override;

 private:
  int Классов() const;
  int Совместителей() const;
};

// The dialog "Ввод нагрузки совместителя" of step 12.
class Модель_ввода_нагрузки_совместителя {
 public:
  static constexpr const char* kЗаголовок = "Ввод нагрузки совместителя";
  static constexpr const char* kПоле = "Поле_ввода_нагрузки_совместителя";

  explicit Модель_ввода_нагрузки_совместителя(Среда& среда) : среда_(среда) {}

  // Opens for a cell with the given largest value; the field shows "0".
  void Открыть(int предел);
  std::string Надпись() const;
  static bool Клавиша_допустима(char32_t клавиша);
  const std::string& Поле() const { return поле_; }
  bool Нажать_клавишу(char32_t клавиша);
  void Ввести_текст(std::string_view текст);

  // "Ввести": the value when the dialog closes with it (an empty field is 0);
  // a value above the limit is refused with the message.
  std::optional<int> Ввести();

 private:
  Среда& среда_;
  int предел_ = 1;
  std::string поле_;
};

}  // namespace korvella
