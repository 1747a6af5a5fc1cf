#include "timetable/max_flow.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <vector>

#include "core/failure.h"

namespace korvella {
namespace {

constexpr int kСлов = (kМаксимум_вершин_сети + 1 + 63) / 64;

// Labelled vertices not yet scanned; the lowest one is scanned next.
struct Очередь_по_номерам {
  std::array<std::uint64_t, kСлов> биты{};

  void Добавить(int v) { биты[v / 64] |= std::uint64_t{1} << (v % 64); }
  void Убрать(int v) { биты[v / 64] &= ~(std::uint64_t{1} << (v % 64)); }
  int Наименьшая() const {  // 0 when empty
    for (int i = 0; i < kСлов; ++i)
      if (биты[i]) return i * 64 + std::countr_zero(биты[i]);
    return 0;
  }
};

struct Метка {
  int от = 0;        // 0 = unlabelled
  bool прямая = true;  // +от (forward edge) or −от (backward edge)
  int остаток = 0;
};

// Neighbours of every vertex in ascending order: the vertices a scan looks at.
std::vector<std::vector<int>> Соседи(const Матрица_сети& c, int n) {
  std::vector<std::vector<int>> соседи(n + 1);
  for (int u = 1; u <= n; ++u)
    for (int v = 1; v <= n; ++v)
      if (c(u, v) != 0 || c(v, u) != 0) соседи[u].push_back(v);
  return соседи;
}

// One labelling round; false when the sink cannot be reached (the flow is maximal).
bool Найти_путь(const Матрица_сети& c, const Матрица_сети& f,
                const std::vector<std::vector<int>>& соседи, int исток, int сток,
                std::vector<Метка>& метки) {
  std::fill(метки.begin(), метки.end(), Метка{});
  метки[исток] = {исток, true, INT_MAX};
  Очередь_по_номерам очередь;
  int u = исток;
  while (u != 0) {
    очередь.Убрать(u);
    const int остаток_u = метки[u].остаток;
    for (int v : соседи[u]) {
      if (метки[v].от != 0) continue;
      if (f(u, v) < c(u, v)) {
        метки[v] = {u, true, std::min(остаток_u, c(u, v) - f(u, v))};
        очередь.Добавить(v);
      } else if (f(v, u) > 0) {
        метки[v] = {u, false, std::min(остаток_u, f(v, u))};
        очередь.Добавить(v);
      }
    }
    if (метки[сток].от != 0) return true;
    u = очередь.Наименьшая();
  }
  return false;
}

}  // namespace

void Максимальный_поток(const Матрица_сети& c, int исток, int сток, Матрица_сети& f) {
  Под_охраной("Максимальный_поток", [&] {
    f.Обнулить();
    if (сток < 1 || сток > kМаксимум_вершин_сети || исток < 1 || исток > сток)
      Внутренняя_остановка("Модуль: Максимальный_поток - вершины сети вне границ");
    if (исток == сток) return;
    const auto соседи = Соседи(c, сток);
    std::vector<Метка> метки(сток + 1);
    while (Найти_путь(c, f, соседи, исток, сток, метки)) {
      const int дельта = метки[сток].остаток;
      for (int v = сток; v != исток;) {
        const Метка& м = метки[v];
        if (м.прямая)
          f(м.от, v) += дельта;
        else
          f(v, м.от) -= дельта;
        v = м.от;
      }
    }
  });
}

}  // namespace korvella
