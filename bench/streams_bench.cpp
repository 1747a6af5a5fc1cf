// The stream calculation of step 17 at its worst: the colouring spends all its
// 95000 orders on 36 (6×6) or 34 (5×7) lessons that cannot be coloured, then
// the fallback places them; and a typical school the first orders colour.
#include <benchmark/benchmark.h>

#include <memory>

#include "auxiliary/streams_timetable.h"
#include "core/random.h"

namespace korvella {
namespace {

struct Школа {
  int D, L, S = 0, всего = 0;
  Таблица_класс_час запрещения{};
  Таблица_потоков_школы потоки{};
  Нагрузки_потоков нагрузки{};
  Таблица_класс_час расписание{};
};

// `потоков` single-class streams of up to three lessons, `уроков` in all; with
// `невозможно` the first stream's class is free on Monday only, so no
// colouring can give its three lessons three days.
std::unique_ptr<Школа> Школа_потоков(int D, int L, int уроков, int потоков, bool невозможно) {
  auto ш = std::make_unique<Школа>(Школа{D, L});
  for (int s = 1; s <= потоков; ++s) {
    const int n = std::min(3, уроков - ш->всего - (потоков - s));
    ш->потоки(s, 1) = s;
    ш->нагрузки(s) = n;
    ш->всего += n;
  }
  ш->S = потоков;
  if (невозможно)
    for (int h = L + 1; h <= D * L; ++h) ш->запрещения(1, h) = 1;
  return ш;
}

void Расчёт(benchmark::State& state, int D, int L, int уроков, int потоков, bool невозможно) {
  auto ш = Школа_потоков(D, L, уроков, потоков, невозможно);
  Установить_главное_зерно(1);
  Ход_расчёта_потоков ход;
  int неудач = 0;
  for (auto _ : state) {
    bool неудача = false;
    Процедуры_расписание_для_потоков(D, L, kМаксимум_классов, ш->S, ш->всего, ш->запрещения,
                                     ш->потоки, ш->нагрузки, неудача, ш->расписание, &ход);
    неудач += неудача;
  }
  state.counters["lessons"] = ш->всего;
  state.counters["colouring_tries"] = ход.попыток_раскраски;
  state.counters["fallback"] = ход.путь == Ход_расчёта_потоков::Путь::Случайная_расстановка;
  state.counters["failed_share"] = benchmark::Counter(неудач, benchmark::Counter::kAvgIterations);
  Снять_главное_зерно();
}

void BM_раскраска_не_удаётся_6x6_36_уроков(benchmark::State& s) { Расчёт(s, 6, 6, 36, 12, true); }
void BM_раскраска_не_удаётся_5x7_34_уроков(benchmark::State& s) { Расчёт(s, 5, 7, 34, 12, true); }
void BM_обычная_школа_6x6_20_уроков(benchmark::State& s) { Расчёт(s, 6, 6, 20, 10, false); }
void BM_полная_неделя_6x6_36_уроков(benchmark::State& s) { Расчёт(s, 6, 6, 36, 12, false); }

BENCHMARK(BM_раскраска_не_удаётся_6x6_36_уроков)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_раскраска_не_удаётся_5x7_34_уроков)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_обычная_школа_6x6_20_уроков)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_полная_неделя_6x6_36_уроков)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvella

BENCHMARK_MAIN();
