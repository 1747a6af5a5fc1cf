// Step 5: the sanitary prohibitions of the classes. Without the special-room
// task the step places them itself; with it the step only announces that step 8
// places them together with the special rooms.
#pragma once

#include <string>

#include "shell/step_model.h"

namespace korvella {

// What the window shows: two label lines and which of its buttons are visible.
struct Вид_санитарного_шага {
  std::string надпись;
  std::string вторая_надпись;
  bool сформировать_видна = false;
  bool продолжить_видна = false;
  bool рисунок_виден = false;
};

// The calculation window of step 5.
class Модель_санитарные_ограничения : public Модель_расчётного_шага {
 public:
  explicit Модель_санитарные_ограничения(Среда& среда) : Модель_расчётного_шага(среда, 5) {}

  const Вид_санитарного_шага& Вид() const { return вид_; }
  // With the special-room task the placement belongs to step 8.
  bool Совместно_со_спецпомещениями() const;

  std::string Сводка_расчёта() const override;

 protected:
  void Показать_данные() override;
  Итог Выполнить_расчёт() override;

 private:
  Вид_санитарного_шага вид_;
};

// Step 5 as the chain runs it with the special-room task chosen: nothing is
// calculated here, the step only announces the joint calculation.
class Модель_объявления_санитарных_ограничений : public Модель_шага {
 public:
  explicit Модель_объявления_санитарных_ограничений(Среда& среда) : Модель_шага(среда, 5) {}
  const Вид_санитарного_шага& Вид() const { return вид_; }

 protected:
  void Показать_данные() override;

 private:
  Вид_санитарного_шага вид_;
};

// Activation of step 5 in both forms: the prohibition counts of the classes,
// and what the window shows.
Вид_санитарного_шага Подготовить_санитарный_шаг(тип_Главная_запись& запись);

}  // namespace korvella
