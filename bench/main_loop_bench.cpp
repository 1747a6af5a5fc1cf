// Step 29 on tasks the command-line chain generates: seeds 1..20 (time per
// task, iterations, and the share of the time spent inside the assignment
// routine), and the seeds whose first attempt used to stall.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/chain_task.h"
#include "core/random.h"
#include "timetable/main_timetable_step.h"

namespace korvella {
namespace {

constexpr int kЗадач = 20;

// The record as step 29 finds it: the chain run with autogeneration up to step 28.
std::unique_ptr<тип_Главная_запись> Задача_до_шага_29(int классов, const char* режим, int зерно) {
  auto з = std::make_unique<тип_Главная_запись>();
  bench::Цепочка_командной_строки(*з, классов, режим, зерно, [](Модель_расчётного_шага&) {});
  return з;
}

void Шаг_29(benchmark::State& state, int классов, const char* режим) {
  std::vector<std::unique_ptr<тип_Главная_запись>> задачи;
  for (int зерно = 1; зерно <= kЗадач; ++зерно)
    задачи.push_back(Задача_до_шага_29(классов, режим, зерно));
  auto з = std::make_unique<тип_Главная_запись>();
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*з, диалоги, оболочка};
  Замер_главного_цикла замер;
  std::int64_t нс_шага = 0, итераций = 0, попыток = 0, готово = 0, расчётов = 0;
  for (auto _ : state) {
    for (int i = 0; i < kЗадач; ++i) {
      state.PauseTiming();
      std::memcpy(з.get(), задачи[i].get(), sizeof(тип_Главная_запись));
      Установить_главное_зерно(1000 + i);
      Модель_основного_расписания модель(среда);
      модель.Активировать();
      модель.Замерять(&замер);
      state.ResumeTiming();
      const auto начало = std::chrono::steady_clock::now();
      готово += модель.Рассчитать() == Модель_расчётного_шага::Итог::Готово;
      нс_шага += std::chrono::duration_cast<std::chrono::nanoseconds>(
                     std::chrono::steady_clock::now() - начало)
                     .count();
      итераций += Счетчик_итераций.load();
      попыток += Номер_попытки.load();
      ++расчётов;
    }
  }
  state.counters["ms_per_task"] = 1e-6 * нс_шага / расчётов;
  state.counters["assignment_share"] = static_cast<double>(замер.нс_назначений) / нс_шага;
  state.counters["us_per_assignment"] = 1e-3 * замер.нс_назначений / std::max<std::int64_t>(1, замер.назначений);
  state.counters["iterations"] = static_cast<double>(итераций) / расчётов;
  state.counters["attempts"] = static_cast<double>(попыток) / расчётов;
  state.counters["done"] = static_cast<double>(готово) / расчётов;
}

// Tasks of the command line whose first attempt at step 29 used to run all its
// 33·K² iterations without a week (28 classes, 6×6): the layout of that attempt
// has a week, but the loop circles among a few restarts at the ends of days 3
// and 4. Each task runs with the chain's own draws, as `new --seed N` does.
constexpr int kЗастревающие_зёрна[] = {6, 97, 120, 334, 404, 590, 734, 976, 1095};

void BM_шаг_29_застревающие_первые_попытки(benchmark::State& state) {
  auto з = std::make_unique<тип_Главная_запись>();
  std::int64_t нс_шага = 0, итераций = 0, попыток = 0, готово = 0, расчётов = 0, худшее_нс = 0;
  for (auto _ : state) {
    for (const int зерно : kЗастревающие_зёрна) {
      bench::Цепочка_командной_строки(*з, 28, "6x6", зерно, [&](Модель_расчётного_шага& шаг) {
        const auto начало = std::chrono::steady_clock::now();
        готово += шаг.Рассчитать() == Модель_расчётного_шага::Итог::Готово;
        const std::int64_t нс = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                    std::chrono::steady_clock::now() - начало)
                                    .count();
        нс_шага += нс;
        худшее_нс = std::max(худшее_нс, нс);
      });
      итераций += Счетчик_итераций.load();
      попыток += Номер_попытки.load();
      ++расчётов;
    }
  }
  state.counters["ms_per_task"] = 1e-6 * нс_шага / расчётов;
  state.counters["worst_ms"] = 1e-6 * худшее_нс;
  state.counters["iterations"] = static_cast<double>(итераций) / расчётов;
  state.counters["attempts"] = static_cast<double>(попыток) / расчётов;
  state.counters["done"] = static_cast<double>(готово) / расчётов;
}

void BM_шаг_29_28_классов_6x6(benchmark::State& s) { Шаг_29(s, 28, "6x6"); }
void BM_шаг_29_28_классов_5x7(benchmark::State& s) { Шаг_29(s, 28, "5x7"); }
void BM_шаг_29_10_классов_6x6(benchmark::State& s) { Шаг_29(s, 10, "6x6"); }

BENCHMARK(BM_шаг_29_28_классов_6x6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_шаг_29_28_классов_5x7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_шаг_29_10_классов_6x6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_шаг_29_застревающие_первые_попытки)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace korvella

BENCHMARK_MAIN();
