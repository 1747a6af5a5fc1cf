// Step 8 on tasks the command-line chain generates with the special-room task
// (seeds 1..300 for each size and mode): the share of successful calculations,
// how often the first pass succeeds, the passes and attempts used (median and
// 99th percentile), the wall time (median, 99th percentile, worst) and how
// often each case of the day placement placed a visit. Each calculation runs
// once, as in `korvella-cli new --seed N --tasks rooms`.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "auxiliary/room_timetable_check.h"
#include "auxiliary/room_timetable_step.h"
#include "bench/chain_task.h"
#include "core/random.h"

namespace korvella {
namespace {

constexpr int kЗадач = 300;

double Мс_процессора() {
  timespec т{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &т);
  return т.tv_sec * 1e3 + т.tv_nsec * 1e-6;
}

// One calculation of step 8 on the chain's task, as the chain would calculate it.
struct Расчёт_шага_8 {
  bool готово;
  int проходов, попыток, отказов_дней;
  double мс;     // wall time
  double мс_цп;  // CPU time of the calculating thread: free of the machine's load
  Счётчики_случаев случаи;
  std::size_t нарушений;
};

Расчёт_шага_8 Задача(int классов, const char* режим, int зерно) {
  auto з = std::make_unique<тип_Главная_запись>();
  Расчёт_шага_8 итог{};
  bench::Цепочка_командной_строки(
      *з, классов, режим, "rooms", зерно, 8, [&](Модель_расчётного_шага& шаг) {
        auto& м = dynamic_cast<Модель_расписания_спецпомещений&>(шаг);
        const double начало_цп = Мс_процессора();
        const auto начало = std::chrono::steady_clock::now();
        итог.готово = м.Рассчитать() == Модель_расчётного_шага::Итог::Готово;
        итог.мс = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                             начало)
                      .count();
        итог.мс_цп = Мс_процессора() - начало_цп;
        const auto& х = м.Ход();
        итог.проходов = х.проходов;
        итог.попыток = х.попыток;
        итог.отказов_дней = х.отказов_дней;
        итог.случаи = х.случаи;
      });
  итог.нарушений = Проверка_расписания_спецпомещений(*з).нарушения.size() +
                   Проверка_санитарных_запрещений(*з).нарушения.size();
  Снять_главное_зерно();
  return итог;
}

template <class T>
double Доля(std::vector<T> значения, double p) {
  std::sort(значения.begin(), значения.end());
  const auto k = std::min(значения.size() - 1,
                          static_cast<std::size_t>(std::max(0.0, p * значения.size() - 1e-9)));
  return static_cast<double>(значения[k]);
}

void Шаг_8(benchmark::State& state, int классов, const char* режим) {
  std::vector<Расчёт_шага_8> расчёты;
  for (auto _ : state) {
    расчёты.clear();
    for (int зерно = 1; зерно <= kЗадач; ++зерно) расчёты.push_back(Задача(классов, режим, зерно));
  }
  std::vector<int> проходов, попыток;
  std::vector<double> мс, мс_цп;
  double готово = 0, с_первого = 0, нарушений = 0, отказов_дней = 0;
  Счётчики_случаев случаи;
  for (const auto& р : расчёты) {
    готово += р.готово;
    с_первого += р.готово && р.проходов == 1;
    нарушений += р.нарушений;
    отказов_дней += р.отказов_дней;
    проходов.push_back(р.проходов);
    попыток.push_back(р.попыток);
    мс.push_back(р.мс);
    мс_цп.push_back(р.мс_цп);
    for (int i = 0; i < 4; ++i) случаи.случаев[i] += р.случаи.случаев[i];
  }
  const double n = static_cast<double>(расчёты.size());
  const double визитов = static_cast<double>(случаи.случаев[0] + случаи.случаев[1] +
                                             случаи.случаев[2] + случаи.случаев[3]);
  state.counters["done_share"] = готово / n;
  state.counters["first_pass_share"] = с_первого / n;
  state.counters["passes_p50"] = Доля(проходов, 0.5);
  state.counters["passes_p99"] = Доля(проходов, 0.99);
  state.counters["attempts_p50"] = Доля(попыток, 0.5);
  state.counters["attempts_p99"] = Доля(попыток, 0.99);
  state.counters["attempts_max"] = Доля(попыток, 1.0);
  state.counters["day_failures"] = отказов_дней;
  state.counters["ms_p50"] = Доля(мс, 0.5);
  state.counters["ms_p99"] = Доля(мс, 0.99);
  state.counters["ms_max"] = Доля(мс, 1.0);
  state.counters["cpu_ms_p99"] = Доля(мс_цп, 0.99);
  state.counters["cpu_ms_max"] = Доля(мс_цп, 1.0);
  state.counters["case2_share"] = случаи.случаев[1] / визитов;
  state.counters["case3_share"] = случаи.случаев[2] / визитов;
  state.counters["chain_share"] = случаи.случаев[3] / визитов;
  state.counters["violations"] = нарушений;
}

#define KORVELLA_ШАГ_8(C, M, имя)                              \
  void BM_шаг_8_##имя(benchmark::State& s) { Шаг_8(s, C, M); } \
  BENCHMARK(BM_шаг_8_##имя)->Unit(benchmark::kMillisecond)->Iterations(1)

KORVELLA_ШАГ_8(5, "6x6", 5_классов_6x6);
KORVELLA_ШАГ_8(5, "5x7", 5_классов_5x7);
KORVELLA_ШАГ_8(10, "6x6", 10_классов_6x6);
KORVELLA_ШАГ_8(10, "5x7", 10_классов_5x7);
KORVELLA_ШАГ_8(17, "6x6", 17_классов_6x6);
KORVELLA_ШАГ_8(17, "5x7", 17_классов_5x7);
KORVELLA_ШАГ_8(23, "6x6", 23_класса_6x6);
KORVELLA_ШАГ_8(23, "5x7", 23_класса_5x7);
KORVELLA_ШАГ_8(28, "6x6", 28_классов_6x6);
KORVELLA_ШАГ_8(28, "5x7", 28_классов_5x7);

}  // namespace
}  // namespace korvella

BENCHMARK_MAIN();
