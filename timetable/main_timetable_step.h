// Step 29, "Построение расписания для классов без разделения на группы": the
// calculation task of the main timetable with its attempts and its texts. The
// window shows the texts and runs Рассчитать() on the thread pool.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "shell/step_model.h"
#include "timetable/main_loop_completion.h"

namespace korvella {

// Attempt of the running calculation (1..66), for the progress text.
extern std::atomic<int> Номер_попытки;

class Модель_основного_расписания : public Модель_расчётного_шага {
 public:
  static constexpr int kНомер = 29;
  static constexpr int kПредел_попыток = 66;
  // Calculations that may end in a shortage of teachers, per opening of the window.
  static constexpr int kПредел_нехватки = 214;

  explicit Модель_основного_расписания(Среда& среда);
  ~Модель_основного_расписания() override;

  // The two labels and the left edge of the first one, as the outcome leaves them.
  const std::string& Надпись_на_форме() const { return надпись_; }
  const std::string& Вторая_надпись_на_форме() const { return вторая_надпись_; }
  int Левый_край_надписи() const { return левый_край_; }
  // The label while the calculation runs, with the iteration and attempt counters.
  static std::string Текст_хода_расчёта();
  // The calculation ran out of teachers to deprive of a day off.
  bool Нехватка_преподавателей() const { return нехватка_; }

  std::string Сводка_расчёта() const override;

  // Measures the time spent in the assignment routine (benchmarks).
  void Замерять(Замер_главного_цикла* замер) { замер_ = замер; }

  static std::string Текст_приглашения();

 protected:
  void Показать_данные() override;
  Итог Выполнить_расчёт() override;

 private:
  void Итог_в_надписи(Итог итог);

  std::string надпись_;
  std::string вторая_надпись_;
  int левый_край_ = 122;
  bool нехватка_ = false;
  Нехватка_класса класс_без_пар_{};  // with нехватка_: the class test's last refusal
  int расчётов_с_нехваткой_ = 0;
  Замер_главного_цикла* замер_ = nullptr;
  std::unique_ptr<Рабочая_память_достраивания> память_;
};

}  // namespace korvella
