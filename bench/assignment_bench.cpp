// The assignment routine at the sizes of its two callers, with fixed seeds.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "timetable/assignment.h"

namespace korvella {
namespace {

// `матриц` weight matrices of n × m with about one positive cell in `редкость`.
std::vector<std::vector<int32>> Матрицы(int матриц, int n, int m, int редкость, int предел) {
  std::mt19937 г(12345);
  std::vector<std::vector<int32>> все(матриц, std::vector<int32>(static_cast<std::size_t>(n) * m));
  for (auto& в : все)
    for (auto& x : в) x = (г() % редкость == 0) ? 1 + static_cast<int32>(г() % предел) : 0;
  return все;
}

void Решать(benchmark::State& state, int n, int m, int редкость, int предел) {
  const auto матрицы = Матрицы(64, n, m, редкость, предел);
  Решатель_назначений решатель(n, m);
  std::vector<int32> назначение(n);
  std::size_t i = 0;
  for (auto _ : state) {
    решатель.Решить({матрицы[i++ % матрицы.size()].data(), n, m, m}, назначение.data());
    benchmark::DoNotOptimize(назначение.data());
  }
  state.SetItemsProcessed(state.iterations());
}

// One hour of the weekly loop: 28 classes, 112 teachers, each class with a few
// teachers of positive weight.
void BM_час_28_на_112(benchmark::State& state) { Решать(state, 28, 112, 14, 60); }
// A pass of the distribution: 112 teachers, about 250 load rows, one subject each.
void BM_проход_112_на_250(benchmark::State& state) { Решать(state, 112, 250, 40, 30); }
// The largest load table the record holds for 28 classes and 56 subjects.
void BM_проход_112_на_1568(benchmark::State& state) { Решать(state, 112, 1568, 56, 30); }

BENCHMARK(BM_час_28_на_112);
BENCHMARK(BM_проход_112_на_250);
BENCHMARK(BM_проход_112_на_1568)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvella

BENCHMARK_MAIN();
