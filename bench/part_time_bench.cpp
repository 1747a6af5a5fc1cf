// Step 13 on tasks the command-line chain generates up to step 13 (seeds
// 1..300, the part-timer task chosen, with and without the special rooms):
// time of each calculation (99th percentile and worst, wall and CPU) and the colouring
// tries it needs; and the worst case, the largest school without a
// part-timers' timetable, which uses all 3000 tries.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "auxiliary/part_time_timetable.h"
#include "bench/chain_task.h"
#include "core/random.h"

namespace korvella {
namespace {

constexpr int kЗадач = 300;

// CPU time of this thread: on a shared machine the wall time of a calculation
// of microseconds also holds whatever ran in between.
double Мкс_процессора() {
  timespec т{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &т);
  return т.tv_sec * 1e6 + т.tv_nsec * 1e-3;
}

// What the calculation reads of the record, as step 13 finds it.
struct Вход_расчёта {
  int C, M, D, L;
  Таблица_РПН_совместителей_t уроки;
  Список_совместителей_t список;
  Таблица_нерабочих_дней_t дни;
  Вектор_запретов_совместителей_t запреты;
  Таблица_класс_час запрещения;
};

Вход_расчёта Вход_из_записи(тип_Главная_запись& з) {
  з.Расписание_для_совместителей.Обнулить();
  Получить_таблицу_всех_текущих_запрещений(з);
  return {з.Количество_классов_в_школе,
          з.Количество_совместителей_в_школе,
          з.Количество_учебных_дней_в_неделе,
          з.Количество_уроков_в_день,
          з.Таблица_РПН_для_совместителей,
          з.Список_совместителей,
          з.Таблица_нерабочих_дней_совместителей,
          з.Вектор_запрета_для_совместителей_на_первый_урок,
          з.Таблица_запрещений_на_проведение_уроков};
}

void Расчёт(benchmark::State& state, const std::vector<Вход_расчёта>& задачи) {
  auto расписание = std::make_unique<Таблица_класс_час>();
  std::vector<double> мкс, мкс_процессора;
  std::int64_t попыток = 0, наибольшее_попыток = 0, готово = 0, уроков = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < задачи.size(); ++i) {
      const auto& в = задачи[i];
      Установить_главное_зерно(1000 + i);
      bool неудача = true;
      int попыток_расчёта = 0;
      const auto начало = std::chrono::steady_clock::now();
      const double начало_процессора = Мкс_процессора();
      Процедуры_расписание_для_совместителей(в.C, в.M, в.D, в.L, в.уроки, в.список, в.дни,
                                             в.запреты, в.запрещения, неудача, *расписание,
                                             &попыток_расчёта);
      мкс.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - начало)
              .count());
      мкс_процессора.push_back(Мкс_процессора() - начало_процессора);
      попыток += попыток_расчёта;
      наибольшее_попыток = std::max<std::int64_t>(наибольшее_попыток, попыток_расчёта);
      готово += неудача ? 0 : 1;
      for (int p = 1; p <= в.M; ++p) уроков += в.список(p).Нагрузка;
    }
  }
  const double n = static_cast<double>(мкс.size());
  std::sort(мкс.begin(), мкс.end());
  std::sort(мкс_процессора.begin(), мкс_процессора.end());
  state.SetItemsProcessed(static_cast<std::int64_t>(мкс.size()));  // calculations per second
  state.counters["tasks"] = static_cast<double>(задачи.size());
  state.counters["us_p99"] = мкс[std::min(мкс.size() - 1, static_cast<std::size_t>(0.99 * n))];
  state.counters["us_worst"] = мкс.back();
  state.counters["cpu_us_p99"] =
      мкс_процессора[std::min(мкс.size() - 1, static_cast<std::size_t>(0.99 * n))];
  state.counters["cpu_us_worst"] = мкс_процессора.back();
  state.counters["tries"] = static_cast<double>(попыток) / n;
  state.counters["tries_max"] = static_cast<double>(наибольшее_попыток);
  state.counters["lessons"] = static_cast<double>(уроков) / n;
  state.counters["done"] = static_cast<double>(готово) / n;
}

void Шаг_13(benchmark::State& state, int классов, const char* режим, bool спецпомещения) {
  const char* задачи_шага_0 = спецпомещения ? "parttime,rooms" : "parttime";
  std::vector<Вход_расчёта> задачи;
  for (int зерно = 1; зерно <= kЗадач; ++зерно) {
    auto з = std::make_unique<тип_Главная_запись>();
    bench::Цепочка_командной_строки(*з, классов, режим, задачи_шага_0, зерно, 13,
                                    [](Модель_расчётного_шага&) {});
    // A step before 13 that refuses to continue (a calculation that failed, say)
    // leaves no part-timers to place.
    if (з->Последняя_показанная_форма != 13) {
      state.SkipWithError(
          ("the chain stopped at step " + std::to_string(з->Последняя_показанная_форма)).c_str());
      return;
    }
    задачи.push_back(Вход_из_записи(*з));
  }
  Расчёт(state, задачи);
}

// 28 classes and nine part-timers of six lessons on two days each (54 lessons,
// the most the steps allow); part-timer 9 has one working day but two lessons in
// class 28, so no try can succeed and all 3000 run.
void BM_шаг_13_без_решения_28_классов(benchmark::State& state) {
  auto з = std::make_unique<тип_Главная_запись>();
  bench::Цепочка_командной_строки(*з, 28, "6x6", "parttime", 1, 13, [](Модель_расчётного_шага&) {});
  Вход_расчёта в = Вход_из_записи(*з);
  в.M = 9;
  в.уроки.Обнулить();
  for (int p = 1; p <= 9; ++p) {
    auto& с = в.список(p);
    с.Нагрузка = 6, с.Первый = 3, с.Второй = 3;
    for (int d = 1; d <= 6; ++d) в.дни(p, d) = d == p % 6 + 1 || d == (p + 2) % 6 + 1 ? 0 : 1;
    for (int урок = 0; урок < 6; ++урок) в.уроки(1 + (3 * p + урок) % 27, p) = 1;
  }
  for (int c = 1; c <= 28; ++c) в.уроки(c, 9) = 0;
  for (int c = 1; c <= 4; ++c) в.уроки(c, 9) = 1;
  в.уроки(28, 9) = 2;
  for (int d = 1; d <= 6; ++d) в.дни(9, d) = d == 4 ? 0 : 1;
  Расчёт(state, {в});
}

void Зарегистрировать_размеры() {
  for (bool спецпомещения : {false, true})
    for (int C : {5, 10, 17, 23, 28})
      for (const char* режим : {"6x6", "5x7"}) {
        const std::string имя = std::string("BM_шаг_13/") + (спецпомещения ? "rooms/" : "") +
                                std::to_string(C) + "/" + режим;
        benchmark::RegisterBenchmark(
            имя.c_str(), [=](benchmark::State& s) { Шаг_13(s, C, режим, спецпомещения); })
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(1);
      }
}

BENCHMARK(BM_шаг_13_без_решения_28_классов)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvella

int main(int argc, char** argv) {
  korvella::Зарегистрировать_размеры();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
