// Step 25, "Список преподавателей": the staff teachers of the subjects taught
// without division into groups.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_списка_преподавателей : public Модель_шага {
 public:
  static constexpr int kНомер = 25;
  static constexpr const char* kПоле = "Поле_ввода_количество_преподавателей";
  static constexpr const char* kТаблица = "Таблица_со_списком_преподавателей";

  explicit Модель_списка_преподавателей(Среда& среда);

  std::string Надпись_количества() const;

  const std::string& Поле_количества() const { return поле_; }
  bool Установить_поле_количества(std::string_view текст);

  // Enter in the count edit: checks the bounds, resizes the grid and returns the
  // object name of the control that gets the focus.
  std::string Ввод_количества();

  int Строк() const { return static_cast<int>(имена_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;
  void Изменить_имя(int строка, std::string_view текст);
  const std::vector<std::string>& Имена() const { return имена_; }
  int Текущая_строка() const { return текущая_строка_; }

 protected:
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  void Привести_к_количеству(int n);
  std::optional<Отказ> Проверить_имена();
  std::optional<Отказ> Проверить_совпадения_с_другими_списками();
  void Записать_имена(int количество);

  std::string поле_;
  std::vector<std::string> имена_;
  int текущая_строка_ = 1;
};

}  // namespace korvella
