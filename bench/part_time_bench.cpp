// Step 13 on tasks the command-line chain generates up to step 12 (seeds
// 1..20, the part-timer task chosen): time of the whole calculation and the
// colouring tries it needs; and the worst case, the largest school without a
// part-timers' timetable, which uses all 3000 tries.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "auxiliary/part_time_timetable.h"
#include "bench/chain_task.h"
#include "core/random.h"

namespace korvella {
namespace {

constexpr int kЗадач = 20;

// The record as step 13 finds it, with the union of prohibitions built.
std::unique_ptr<тип_Главная_запись> Задача_до_шага_13(int классов, const char* режим, int зерно) {
  auto з = Задача_до_шага(13, классов, режим, зерно, {"parttime"});
  з->Расписание_для_совместителей.Обнулить();
  Получить_таблицу_всех_текущих_запрещений(*з);
  return з;
}

void Расчёт(benchmark::State& state,
            const std::vector<std::unique_ptr<тип_Главная_запись>>& задачи) {
  auto расписание = std::make_unique<Таблица_класс_час>();
  std::int64_t попыток = 0, готово = 0, расчётов = 0, уроков = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < задачи.size(); ++i) {
      const auto& з = *задачи[i];
      Установить_главное_зерно(1000 + i);
      bool неудача = true;
      int попыток_расчёта = 0;
      Процедуры_расписание_для_совместителей(
          з.Количество_классов_в_школе, з.Количество_совместителей_в_школе,
          з.Количество_учебных_дней_в_неделе, з.Количество_уроков_в_день,
          з.Таблица_РПН_для_совместителей, з.Список_совместителей,
          з.Таблица_нерабочих_дней_совместителей, з.Вектор_запрета_для_совместителей_на_первый_урок,
          з.Таблица_запрещений_на_проведение_уроков, неудача, *расписание, &попыток_расчёта);
      попыток += попыток_расчёта;
      готово += неудача ? 0 : 1;
      ++расчётов;
      for (int p = 1; p <= з.Количество_совместителей_в_школе; ++p)
        уроков += з.Список_совместителей(p).Нагрузка;
    }
  }
  state.SetItemsProcessed(расчётов);  // calculations per second
  state.counters["tasks"] = static_cast<double>(задачи.size());
  state.counters["tries"] = static_cast<double>(попыток) / расчётов;
  state.counters["lessons"] = static_cast<double>(уроков) / расчётов;
  state.counters["done"] = static_cast<double>(готово) / расчётов;
}

void Шаг_13(benchmark::State& state, int классов, const char* режим) {
  std::vector<std::unique_ptr<тип_Главная_запись>> задачи;
  for (int зерно = 1; зерно <= kЗадач; ++зерно)
    задачи.push_back(Задача_до_шага_13(классов, режим, зерно));
  Расчёт(state, задачи);
}

// 28 classes and nine part-timers of six lessons on two days each (54 lessons,
// the most the steps allow); part-timer 9 has one working day but two lessons in
// class 28, so no try can succeed and all 3000 run.
void BM_шаг_13_без_решения_28_классов(benchmark::State& state) {
  std::vector<std::unique_ptr<тип_Главная_запись>> задачи;
  задачи.push_back(Задача_до_шага_13(28, "6x6", 1));
  auto& з = *задачи.back();
  з.Количество_совместителей_в_школе = 9;
  з.Таблица_РПН_для_совместителей.Обнулить();
  for (int p = 1; p <= 9; ++p) {
    auto& с = з.Список_совместителей(p);
    с.Нагрузка = 6, с.Первый = 3, с.Второй = 3;
    for (int d = 1; d <= 6; ++d)
      з.Таблица_нерабочих_дней_совместителей(p, d) = d == p % 6 + 1 || d == (p + 2) % 6 + 1 ? 0 : 1;
    for (int урок = 0; урок < 6; ++урок)
      з.Таблица_РПН_для_совместителей(1 + (3 * p + урок) % 27, p) = 1;
  }
  for (int c = 1; c <= 28; ++c) з.Таблица_РПН_для_совместителей(c, 9) = 0;
  for (int c = 1; c <= 4; ++c) з.Таблица_РПН_для_совместителей(c, 9) = 1;
  з.Таблица_РПН_для_совместителей(28, 9) = 2;
  for (int d = 1; d <= 6; ++d) з.Таблица_нерабочих_дней_совместителей(9, d) = d == 4 ? 0 : 1;
  Расчёт(state, задачи);
}

void BM_шаг_13_5_классов_6x6(benchmark::State& s) { Шаг_13(s, 5, "6x6"); }
void BM_шаг_13_17_классов_5x7(benchmark::State& s) { Шаг_13(s, 17, "5x7"); }
void BM_шаг_13_28_классов_6x6(benchmark::State& s) { Шаг_13(s, 28, "6x6"); }
void BM_шаг_13_28_классов_5x7(benchmark::State& s) { Шаг_13(s, 28, "5x7"); }

BENCHMARK(BM_шаг_13_5_классов_6x6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_шаг_13_17_классов_5x7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_шаг_13_28_классов_6x6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_шаг_13_28_классов_5x7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_шаг_13_без_решения_28_классов)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvella

BENCHMARK_MAIN();
