// The load distribution of step 27 on generated schools, with fixed seeds.
#include <benchmark/benchmark.h>

#include "tests/timetable/distribution_fixture.h"
#include "timetable/competence.h"
#include "timetable/load_distribution.h"

namespace korvella {
namespace {

void Распределять(benchmark::State& state, тип_Главная_запись& з) {
  int проходов = 0;
  for (auto _ : state) {
    bool неудача = false;
    проходов = Процедуры_формирования_ТРПН(з, неудача);
    if (неудача) state.SkipWithError("distribution failed");
  }
  state.counters["teachers"] = з.Количество_шатных_преподавателей;
  state.counters["rows"] = з.Количество_учебных_нагрузок;
  state.counters["passes"] = проходов;
}

void Сгенерированная(benchmark::State& state, int классов, int предметов, int преподавателей) {
  auto школа = тест::Случайная_школа(6, классов, 2024, предметов, преподавателей);
  auto& з = *школа;
  Построение_таблицы_компетентности(з.Количество_шатных_преподавателей,
                                    з.Число_предметов_без_разделений_изучаемых_в_школе,
                                    з.Вектор_потребности_в_предметниках, з.Таблица_компетентности);
  Распределять(state, з);
}

// The largest school: 28 classes, 56 subjects, 112 teachers, one subject each.
void BM_распределение_28_56_112(benchmark::State& state) { Сгенерированная(state, 28, 56, 112); }
// A generated 28-class school as the chain proposes it.
void BM_распределение_28_классов(benchmark::State& state) { Сгенерированная(state, 28, 0, 0); }

// The most rows 28 classes can have: 36 subjects of one lesson in every class,
// 1008 rows; 112 teachers with two subjects each, four teachers a subject.
void BM_распределение_1008_строк(benchmark::State& state) {
  auto школа = тест::Пустая_школа(6, 6, 28, 56, 112);
  auto& з = *школа;
  for (int c = 1; c <= 28; ++c)
    for (int i = 0; i < 36; ++i) тест::План(з, (c + i) % 56 + 1, c, 1);
  for (int t = 1; t <= 112; ++t) тест::Компетентен(з, t, {(t - 1) % 56 + 1, (t + 27) % 56 + 1});
  Распределять(state, з);
}

BENCHMARK(BM_распределение_28_56_112)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_распределение_28_классов)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_распределение_1008_строк)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvella

BENCHMARK_MAIN();
