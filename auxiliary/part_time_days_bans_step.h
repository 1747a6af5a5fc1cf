// Steps 10 and 11: the working days of the part-time teachers and their bans on
// the first lesson of a day. Both grids are data here, read from and written to
// the record; the windows paint them and forward double clicks and Enter.
#pragma once

#include <cstdint>
#include <string>

#include "shell/step_model.h"

namespace korvella {

constexpr std::uint32_t kЦвет_нерабочего_дня = 0xF3B0CF;  // also a ban
constexpr std::uint32_t kЦвет_рабочего_дня = 0x508114;    // also no ban

class Модель_рабочих_дней_совместителей : public Модель_шага {
 public:
  static constexpr int kНомер = 10;
  static constexpr const char* kТаблица = "Цветная_таблица_нерабочих_дней";
  static constexpr const char* kКнопка_очистить = "Кнопка_очистить_рабочие_дни";
  // Fixed columns: number, name, subject, days required; one column per day after them.
  static constexpr int kФиксированных_столбцов = 4;

  explicit Модель_рабочих_дней_совместителей(Среда& среда) : Модель_шага(среда, kНомер) {}

  // Rows: 0 the heading, p = part-timer p.
  int Строк() const;
  int Столбцов() const;
  std::string Ячейка(int строка, int столбец) const;
  // Colour of a day cell; 0 for the fixed cells, which keep the grid's own.
  std::uint32_t Цвет(int строка, int столбец) const;
  bool Рабочий(int совместитель, int день) const;

  // Double click or Enter on a day cell: asks whether the day is a working one.
  // True when the refusal's message was shown.
  bool Переключить_день(int строка, int столбец);
  bool Очистить();

 protected:
  void Сгенерировать() override;
  std::optional<Отказ> Проверить_и_сохранить() override;

 private:
  int Дней() const { return запись().Количество_учебных_дней_в_неделе; }
};

class Модель_запретов_первого_урока_совместителей : public Модель_шага {
 public:
  static constexpr int kНомер = 11;
  static constexpr const char* kТаблица = "Таблица_запретов_первого_урока_совместителей";
  static constexpr int kСтолбец_запрета = 2;
  static constexpr int kСтолбцов = 3;

  explicit Модель_запретов_первого_урока_совместителей(Среда& среда) : Модель_шага(среда, kНомер) {}

  // The most part-timers that may be banned: 3 above twenty classes, 2 above
  // thirteen, else M div 4; at least one.
  int Максимум_запретов() const;
  std::string Надпись_максимум_запретов() const;

  int Строк() const;
  std::string Ячейка(int строка, int столбец) const;
  std::uint32_t Цвет_запрета(int строка) const;
  int Количество_запретов() const;

  // Double click or Enter on a ban cell; true when the refusal's message was shown.
  bool Переключить_запрет(int строка);

 protected:
  void Сгенерировать() override;
};

}  // namespace korvella
