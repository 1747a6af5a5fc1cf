// Step 23, "Список учебных предметов": the number of subjects taught without
// division into groups and their names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_списка_предметов : public Модель_шага {
 public:
  static constexpr int kНомер = 23;
  static constexpr const char* kПоле = "Поле_ввода_количество_предметов";
  static constexpr const char* kТаблица = "Таблица_со_списком_предметов";

  explicit Модель_списка_предметов(Среда& среда);

  std::string Надпись_количества() const;

  // The count edit: at most 2 digits; a text that breaks this is refused.
  const std::string& Поле_количества() const { return поле_; }
  bool Установить_поле_количества(std::string_view текст);

  // Enter in the count edit: checks the bounds, resizes the grid and returns the
  // object name of the control that gets the focus.
  std::string Ввод_количества();

  // The grid: row 0 is the header, rows 1..n the names; column 0 the row labels.
  int Строк() const { return static_cast<int>(названия_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;
  void Изменить_название(int строка, std::string_view текст);
  const std::vector<std::string>& Названия() const { return названия_; }
  int Текущая_строка() const { return текущая_строка_; }

 protected:
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  // The bounds check shared by Enter and "Продолжить"; corrects the edit and the grid.
  std::optional<Отказ> Проверить_границы(int n);
  std::optional<Отказ> Проверить_названия();
  void Записать_названия(int количество);

  std::string поле_;
  std::vector<std::string> названия_;
  int текущая_строка_ = 1;
};

}  // namespace korvella
