// Step 7: how many lessons a week every class has in every special room, with
// the PE dialog that puts the PE load into gyms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_нагрузка_классов_в_спецпомещениях : public Модель_шага {
 public:
  static constexpr const char* kТаблица = "Таблица_распределения_нагрузки_классов_в_спецпомещениях";
  // Fixed columns: number, room, subject, total; one column per class after them.
  static constexpr int kФиксированных_столбцов = 4;
  static constexpr int kСтолбец_нагрузки = 3;
  static constexpr int kШирины_фиксированных[kФиксированных_столбцов] = {20, 110, 110, 58};
  static constexpr int kШирина_столбца_класса = 30;
  static constexpr std::uint32_t kЦвет_ниже_вместимости = 0x76D031;
  static constexpr std::uint32_t kЦвет_равно_вместимости = 0xF2DD5F;
  static constexpr std::uint32_t kЦвет_выше_вместимости = 0xE22727;
  static constexpr std::uint32_t kЦвет_текущей_ячейки = 0xA4B1F8;

  explicit Модель_нагрузка_классов_в_спецпомещениях(Среда& среда) : Модель_шага(среда, 7) {}

  // Rows: 0 the heading, r = room r. Columns: the fixed four, then classes 1..C.
  int Строк() const { return static_cast<int>(ячейки_.size()) + 1; }
  int Столбцов() const { return kФиксированных_столбцов + Классов(); }
  std::string Ячейка(int строка, int столбец) const;
  // Fill colour of a class cell by its room's total; nullopt for fixed cells.
  std::optional<std::uint32_t> Цвет(int строка, int столбец, bool текущая) const;
  int Итог_помещения(int помещение) const;
  int Вместимость() const;

  // Class cells take digits, Backspace and Enter.
  static bool Клавиша_допустима(char32_t клавиша);
  // The cell's text after a key: one character is kept; a value above 3 is
  // refused with a message and becomes "3"; otherwise the totals are recomputed.
  bool Изменить_ячейку(int строка, int столбец, std::string_view текст);
  bool Нажать_клавишу(int строка, int столбец, char32_t клавиша);

  // "Очистить": every load 0 and every room its own type, in the record too.
  bool Очистить();
  // Whether "Очистить" and the PE button are enabled (not after the PE dialog ran).
  bool Кнопки_нагрузки_доступны() const { return Ввод_разрешён() && кнопки_доступны_; }

  // "Продолжить" as the window presses it. The PE questions are asked before the
  // step's checks run, so that "Да" (go back and edit) stops without the error
  // window: the question has said what is wrong. False when the window stays.
  bool Продолжить_с_вопросами();
  // The cell a "Да" to a PE question selects, after Продолжить_с_вопросами.
  const std::optional<Отказ>& Отказ_по_вопросу() const { return отказ_по_вопросу_; }

  // The PE dialog's "Распределить нагрузку": the grid goes into the record, the
  // gyms get the PE load, the grid is refilled and the two buttons disabled.
  void Распределить_физкультуру();

 protected:
  bool Впервые(int прежняя_форма) const override { return прежняя_форма < 7; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  int Классов() const { return классов_; }
  void Таблица_из_записи();
  void Таблица_в_запись() const;
  void Пересчитать_итоги();
  int Значение(int помещение, int класс) const;
  std::string Название(int помещение) const;
  std::optional<Отказ> Проверить_итоги() const;
  std::optional<Отказ> Спросить_о_физкультуре() const;

  std::vector<std::vector<std::string>> ячейки_;  // [room - 1][class - 1]
  int классов_ = 0;
  bool кнопки_доступны_ = true;
  bool вопросы_заданы_ = false;
  std::optional<Отказ> отказ_по_вопросу_;
};

}  // namespace korvella
