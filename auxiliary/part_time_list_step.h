// Step 9: how many part-time teachers come, their names, subjects and loads.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_список_совместителей : public Модель_шага {
 public:
  static constexpr int kНомер = 9;
  static constexpr const char* kПоле_количества = "Поле_ввода_количества_совместителей";
  static constexpr const char* kТаблица = "Таблица_списка_совместителей";
  enum Столбец { kНомер_строки, kФИО, kПредмет, kНагрузка, kПервый, kВторой, kСтолбцов };
  static constexpr std::array<int, kСтолбцов> kШирины_столбцов = {30, 155, 130, 95, 140, 140};

  explicit Модель_список_совместителей(Среда& среда) : Модель_шага(среда, kНомер) {}

  std::string Надпись_количества() const;
  // The count field takes the keys 1..9 and Backspace.
  static bool Клавиша_допустима(char32_t клавиша);
  const std::string& Поле_количества() const { return поле_; }
  // A key into the count field, or a whole new text (pasted). A non-empty new
  // count above the maximum is refused with a message and the previous count
  // comes back; any other resizes the grid and, unless "Очистить" was pressed,
  // proposes a new list.
  bool Нажать_клавишу_в_поле(char32_t клавиша);
  bool Ввести_количество(std::string_view текст);

  // count + 1 rows: row 0 the heading.
  int Строк() const { return static_cast<int>(строки_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;
  bool Изменить_ячейку(int строка, int столбец, std::string_view текст);

  // "Очистить": the names, subjects and loads of all nine records; later count
  // changes no longer propose a list.
  bool Очистить();

 protected:
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  using Строка_списка = std::array<std::string, kСтолбцов - 1>;  // the columns after the number

  void Количество_изменено();
  void Список_из_записи(int количество);
  void Сохранить_список() const;
  std::optional<Отказ> Проверить_имена();
  std::optional<Отказ> Проверить_нагрузки() const;
  std::optional<Отказ> Проверить_совпадение_со_спецпреподавателями() const;
  std::string& Текст(int строка, Столбец столбец) { return строки_[строка - 1][столбец - 1]; }
  const std::string& Текст(int строка, Столбец столбец) const {
    return строки_[строка - 1][столбец - 1];
  }

  std::string поле_;
  std::vector<Строка_списка> строки_;
  bool очищено_ = false;
};

}  // namespace korvella
