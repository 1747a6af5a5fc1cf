// The step-window pattern as logic. A window shows its model's data, forwards
// the user's actions to it and closes when the model says so; a test or the
// command-line program drives the same model without any window.
#pragma once

#include <optional>
#include <string>

#include "shell/environment.h"

namespace korvella {

// A refused "Продолжить": the message and the control that gets the focus back. An
// empty message shows no error window (the user answered "Нет" to a question).
struct Отказ {
  std::string текст;
  std::string элемент;  // object name of the control, empty = leave the focus
  int строка = -1;      // grid cell to select, when the control is a grid
  int столбец = -1;
};

class Модель_шага {
 public:
  Модель_шага(Среда& среда, int номер);
  virtual ~Модель_шага() = default;
  Модель_шага(const Модель_шага&) = delete;
  Модель_шага& operator=(const Модель_шага&) = delete;

  int Номер() const { return номер_; }
  std::string Заголовок() const;

  // Whether the inputs of this step may be edited (most steps: while autogeneration is on).
  virtual bool Ввод_разрешён() const { return среда_.режим_автогенерации; }

  // The activation sequence of every step window.
  void Активировать();

  // "Продолжить": validates and stores; true when the window closes. On a refusal
  // the error window has been shown and Последний_отказ() tells what to focus.
  bool Продолжить();
  // "Закончить": stores what the step keeps without checks and stops the chain.
  void Закончить();
  // The window's close box: like "Закончить" unless "Продолжить" has succeeded.
  void Закрыть();

  bool Продолжен() const { return продолжен_; }
  const std::optional<Отказ>& Последний_отказ() const { return последний_отказ_; }

 protected:
  Среда& среда() const { return среда_; }
  тип_Главная_запись& запись() const { return среда_.запись; }

  // Runs the step's generator before the step number is stored (step 1 does so).
  virtual bool Генерация_до_записи_номера() const { return false; }
  // The first-time test: the stored last step before this activation is below
  // this step's number.
  virtual bool Впервые(int прежняя_форма) const { return прежняя_форма < номер_; }
  // Fills the step's data the first time the step is reached with autogeneration on.
  virtual void Сгенерировать() {}
  // Loads the record into what the window shows; runs after the generator.
  virtual void Показать_данные() {}
  // Validates in the step's order and stores; a refusal stops at the first failure.
  virtual std::optional<Отказ> Проверить_и_сохранить() { return std::nullopt; }
  // What "Закончить" and the close box store.
  virtual void Сохранить_без_проверки() {}
  // After a successful "Продолжить" (class-tab refresh and the like).
  virtual void После_продолжения() {}
  // Called on every close, whichever way the window closes.
  virtual void При_закрытии() {}

 private:
  Среда& среда_;
  const int номер_;
  bool продолжен_ = false;
  std::optional<Отказ> последний_отказ_;
};

// The pattern of the calculation windows (steps 5, 8, 13, 17, 22, 29): activation
// clears the done flag, a successful calculation sets it.
class Модель_расчётного_шага : public Модель_шага {
 public:
  enum class Итог { Не_начат, Готово, Неудача, Остановлен };

  using Модель_шага::Модель_шага;

  // Runs the calculation (on the calculation task's thread in the desktop
  // program); sets the done flag on success. The stop flag is cleared first
  // unless the caller has already cleared it (the window does so before it
  // queues the task, so that a stop pressed before the task starts is kept).
  Итог Рассчитать(bool сбросить_остановку = true);
  Итог Последний_итог() const { return итог_; }
  // The window refuses to close while its calculation runs.
  bool Можно_закрыть() const { return !Флаг_занятости.load(); }
  // One line on what the last calculation did (counters and the like), for the
  // command-line program.
  virtual std::string Сводка_расчёта() const { return {}; }

 protected:
  virtual Итог Выполнить_расчёт() = 0;

 private:
  Итог итог_ = Итог::Не_начат;
};

// Sum of the teacher counts of the computed timetables.
void Общее_количество_преподавателей(тип_Главная_запись& запись);

}  // namespace korvella
