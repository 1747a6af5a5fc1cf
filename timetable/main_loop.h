// The main iterative loop: fills the week hour by hour with one optimal
// class-to-teacher assignment per hour, and starts the week again with corrected
// weights whenever the partial week can no longer be completed.
//
// The working cubes are kept as vectors parallel to the parallelepiped's nonzero
// cells, so that copying and clearing them costs O(load rows) and an iteration is
// dominated by its D·L assignment problems.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "timetable/assignment.h"
#include "timetable/days_off.h"
#include "timetable/parallelepiped.h"

namespace korvella {

// Iterations of all attempts of the current calculation, for the progress text.
extern std::atomic<int> Счетчик_итераций;

struct Входы_главного_цикла {
  int K = 0, T = 0, N = 0, D = 0, L = 0;
  const Параллелепипед& параллелепипед;
  const Таблица_класс_час& запреты_классов;  // nonzero = no main lesson in that hour
  const Вектор_преподавателей& нагрузка_преподавателей;
  const Таблица_час_преподаватель& доступность;
  // Iterations this run may take, at most Предельное_количество_итераций(K);
  // 0 = that limit.
  int предел = 0;
};

// Where time goes, when a benchmark asks.
struct Замер_главного_цикла {
  std::int64_t нс_назначений = 0;
  std::int64_t назначений = 0;
};

// The calculation's links to the program around it.
struct Управление_расчётом {
  // Polled once an iteration and once a repetition of the preparation; the
  // calculation clears it when it starts, so a stop pressed at any moment counts.
  std::atomic<bool>* стоп = nullptr;
  std::atomic<int>* счётчик_итераций = nullptr;
  std::function<void(std::string_view)> сообщение;  // the platform's plain message box
  Замер_главного_цикла* замер = nullptr;
};

struct Результат_главного_цикла {
  std::vector<int32> промежуточный;  // parallel to the parallelepiped's cells
  int итераций = 0;
  bool неудача = false;
};

// Working storage of the loop, reused from one attempt to the next.
struct Память_главного_цикла {
  std::vector<int32> накопления;
  Матрица_весов_часа Расчетная_матрица{};
  // The cell behind each positive weight; its subject is the lesson's. It stands
  // for the subject matrix of the weights, which only the assigned pairs read.
  Матрица_весов_часа Ячейки_расчета{};
  Матрица_весов_часа Корректирующая_матрица{};
  // For each hour, the pairs that can have a weight in it (class free, teacher
  // available), and their teachers as the assignment routine's columns of each
  // class; bans and availability do not change within a run.
  std::vector<std::vector<int>> пары_часа;
  std::vector<std::vector<int>> столбцы_часа;
  std::vector<std::vector<int>> начала_строк_часа;
  Вектор<int32, kМаксимум_классов> назначение{};
  Решатель_назначений решатель{kМаксимум_классов, kМаксимум_преподавателей};
};

// Runs the loop; the lessons go to `расписание` (teachers) and `предметы`
// (subjects). On failure they hold the partial week of the last iteration.
void Модуль_главного_итерационного_цикла(const Входы_главного_цикла& входы,
                                         Управление_расчётом& управление,
                                         Память_главного_цикла& память,
                                         Результат_главного_цикла& результат,
                                         Таблица_класс_час& расписание,
                                         Таблица_класс_час& предметы);

// Every teacher's parallelepiped sum matches its load.
void Главный_цикл_проверка_параллелепипеда(const Входы_главного_цикла& входы,
                                           const Управление_расчётом& управление);

int Предельное_количество_итераций(int K);

// Iterations allowed to attempt `попытка` (1..): a unit times the attempt's term
// of the Luby sequence (1, 1, 2, 1, 1, 2, 4, 1, 1, 2, ...), never more than the
// limit. An attempt that fails is typically stuck circling among a few restarts
// although its layout has a week, while 99 % of the attempts that succeed need
// fewer than 5·K iterations: short attempts, now and then a longer one, reach a
// week sooner than long ones, whatever the spread of the attempts' lengths. The
// unit, K²/2 but at least 10·K, keeps a stall short where iterations cost most.
int Предел_итераций_попытки(int K, int попытка);

}  // namespace korvella
