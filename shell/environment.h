// What the logic of the wizard sees of the program around it: the main record,
// the dialogs, the autogeneration mode and the main window's services.
#pragma once

#include <atomic>

#include "core/dialogs.h"
#include "core/main_record.h"

namespace korvella {

// Layers of the class-timetable tab, in the order they are filled.
enum class Слой_вкладки_классов {
  Разметка,
  Названия_классов,
  Санитарный,
  Спецпомещения,
  Совместители,
  Потоки,
  Разделения,
  Основной,
};

// The main window as the steps and the wizard see it. The command-line program
// has no window, so every service defaults to doing nothing.
class Оболочка {
 public:
  virtual ~Оболочка() = default;
  virtual void Показать_последнюю_форму(int /*шаг*/) {}
  virtual void Показать_количество_преподавателей(int /*количество*/) {}
  virtual void Обновить_заголовок_окна() {}
  virtual void Переключить_на_первую_вкладку() {}
  // The four tabs that need the finished main timetable.
  virtual void Разрешить_вкладки_расписания(bool /*разрешить*/) {}
  virtual void Очистить_вкладку_классов() {}
  virtual void Заполнить_слой_вкладки_классов(Слой_вкладки_классов) {}
  virtual void Обновить_вкладку_кабинетов() {}
  // Makes the next timer tick lay the grids out again.
  virtual void Сбросить_запомненную_ширину_окна() {}
};

struct Среда {
  тип_Главная_запись& запись;
  Диалоги& диалоги;
  Оболочка& оболочка;
  bool режим_автогенерации = true;
};

// Set while a calculation task runs: its window refuses to close.
extern std::atomic<bool> Флаг_занятости;
// Set by the stop buttons of the calculation windows; the task polls it.
extern std::atomic<bool> Флаг_остановки_расчета;

}  // namespace korvella
