// Step 3: the list of classes with the year group of each. The grid keeps the
// list sorted by year group; "Продолжить" refuses anything else.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_список_классов : public Модель_шага {
 public:
  static constexpr const char* kТаблица = "Таблица_список_классов_с_параллелями";
  static constexpr int kСтолбец_имени = 1;
  static constexpr int kСтолбец_параллели = 2;
  static constexpr int kСтолбцов = 3;
  static constexpr std::array<int, kСтолбцов> kШирины_столбцов = {30, 60, 65};
  static constexpr std::uint32_t kЦвет_ячейки = 0xF2DD5F;
  static constexpr std::uint32_t kЦвет_текущей_ячейки = 0xFCB93B;
  // Where the text of a cell starts, from the cell's top-left corner.
  static constexpr int kОтступ_текста_слева = 5;
  static constexpr int kОтступ_текста_сверху = 2;

  explicit Модель_список_классов(Среда& среда) : Модель_шага(среда, 3) {}

  // C + 1 rows: row 0 is the heading, rows 1..C the classes.
  int Строк() const { return static_cast<int>(строки_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;
  // Edits a name or group cell of rows 1..C; false while the grid is read-only.
  bool Изменить_ячейку(int строка, int столбец, std::string_view текст);
  // Fill colour of a cell; nullopt for the fixed row and column.
  static std::optional<std::uint32_t> Цвет(int строка, int столбец, bool текущая);

 protected:
  bool Впервые(int прежняя_форма) const override { return прежняя_форма <= 2; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;
  void После_продолжения() override;

 private:
  std::string& Текст(int строка, int столбец) { return строки_[строка - 1][столбец - 1]; }
  int Количество() const { return static_cast<int>(строки_.size()); }

  std::optional<Отказ> Пустая_ячейка() const;
  std::optional<Отказ> Длинное_название() const;
  std::optional<Отказ> Сохранить_параллели(std::vector<int>& параллели);
  std::optional<Отказ> Порядок_параллелей(const std::vector<int>& параллели) const;
  std::optional<Отказ> Одинаковые_названия() const;

  std::vector<std::array<std::string, 2>> строки_;  // name and group of rows 1..C
};

}  // namespace korvella
