#include "timetable/max_flow.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <queue>
#include <random>
#include <vector>

namespace korvella {
namespace {

struct Сеть {
  std::unique_ptr<Матрица_сети> c = std::make_unique<Матрица_сети>();
  std::unique_ptr<Матрица_сети> f = std::make_unique<Матрица_сети>();
  Сеть() { c->Обнулить(); }
};

// The labelling method written out literally: every scan looks at v = 1..n, the
// next vertex is found by a linear search. The fast version must give the same flow.
void Поток_по_определению(const Матрица_сети& c, int s, int n, Матрица_сети& f) {
  f.Обнулить();
  while (true) {
    std::vector<int> от(n + 1, 0), знак(n + 1, 0), остаток(n + 1, 0);
    std::vector<bool> просмотрена(n + 1, false);
    от[s] = s;
    знак[s] = 1;
    остаток[s] = INT_MAX;
    int u = s;
    while (u != 0 && от[n] == 0) {
      for (int v = 1; v <= n; ++v) {
        if (от[v] != 0 || (c(u, v) == 0 && c(v, u) == 0)) continue;
        if (f(u, v) < c(u, v)) {
          от[v] = u, знак[v] = 1, остаток[v] = std::min(остаток[u], c(u, v) - f(u, v));
        } else if (f(v, u) > 0) {
          от[v] = u, знак[v] = -1, остаток[v] = std::min(остаток[u], f(v, u));
        }
      }
      просмотрена[u] = true;
      u = 0;
      for (int v = 1; v <= n && u == 0; ++v)
        if (от[v] != 0 && !просмотрена[v]) u = v;
    }
    if (от[n] == 0) return;
    const int д = остаток[n];
    for (int v = n; v != s; v = от[v]) {
      if (знак[v] > 0)
        f(от[v], v) += д;
      else
        f(v, от[v]) -= д;
    }
  }
}

// Edmonds–Karp on the same matrix: only the value of the flow is compared.
int Величина_максимального_потока(const Матрица_сети& c, int s, int n) {
  std::vector<std::vector<int>> r(n + 1, std::vector<int>(n + 1, 0));
  for (int u = 1; u <= n; ++u)
    for (int v = 1; v <= n; ++v) r[u][v] = c(u, v);
  int всего = 0;
  while (true) {
    std::vector<int> от(n + 1, 0);
    от[s] = s;
    std::queue<int> q;
    q.push(s);
    while (!q.empty() && от[n] == 0) {
      const int u = q.front();
      q.pop();
      for (int v = 1; v <= n; ++v)
        if (от[v] == 0 && r[u][v] > 0) от[v] = u, q.push(v);
    }
    if (от[n] == 0) return всего;
    int д = INT_MAX;
    for (int v = n; v != s; v = от[v]) д = std::min(д, r[от[v]][v]);
    for (int v = n; v != s; v = от[v]) r[от[v]][v] -= д, r[v][от[v]] += д;
    всего += д;
  }
}

int Выход_из(const Матрица_сети& f, int u, int n) {
  int x = 0;
  for (int v = 1; v <= n; ++v) x += f(u, v) - f(v, u);
  return x;
}

TEST(Максимальный_поток, вырожденные_сети) {
  Сеть с;
  Максимальный_поток(*с.c, 1, 2, *с.f);  // no edges
  EXPECT_EQ((*с.f)(1, 2), 0);
  (*с.c)(1, 2) = 7;
  Максимальный_поток(*с.c, 1, 2, *с.f);
  EXPECT_EQ((*с.f)(1, 2), 7);
}

// Three teachers of two working days over three days of capacity 2: worked out by
// hand with the lowest-numbered-first scan. The sixth round has to undo the edge
// teacher 1 → day 1 through a backward label.
TEST(Максимальный_поток, сеть_выходных_три_на_три_по_ручному_расчёту) {
  Сеть с;
  auto& c = *с.c;
  for (int t = 2; t <= 4; ++t) {
    c(1, t) = 2;
    for (int d = 5; d <= 7; ++d) c(t, d) = 1;
  }
  for (int d = 5; d <= 7; ++d) c(d, 8) = 2;
  Максимальный_поток(c, 1, 8, *с.f);
  const auto& f = *с.f;
  const int ожидаемый[3][3] = {{0, 1, 1}, {1, 1, 0}, {1, 0, 1}};
  for (int t = 0; t < 3; ++t)
    for (int d = 0; d < 3; ++d) EXPECT_EQ(f(t + 2, d + 5), ожидаемый[t][d]) << t << "," << d;
  EXPECT_EQ(Выход_из(f, 1, 8), 6);
}

// A path that exists only through a vertex of lower number than the one being
// scanned: the scan order must come back to it.
TEST(Максимальный_поток, обход_возвращается_к_меньшим_номерам) {
  Сеть с;
  auto& c = *с.c;
  c(1, 4) = 3;
  c(4, 2) = 2;
  c(2, 5) = 2;
  c(4, 3) = 1;
  c(3, 5) = 5;
  Максимальный_поток(c, 1, 5, *с.f);
  EXPECT_EQ(Выход_из(*с.f, 1, 5), 3);
  EXPECT_EQ((*с.f)(4, 2), 2);
  EXPECT_EQ((*с.f)(4, 3), 1);
}

TEST(Максимальный_поток, случайные_сети_как_по_определению) {
  std::mt19937 г(2024);
  for (int опыт = 0; опыт < 300; ++опыт) {
    const int n = 2 + static_cast<int>(г() % 12);
    Сеть с;
    auto& c = *с.c;
    for (int u = 1; u <= n; ++u)
      for (int v = 1; v <= n; ++v)
        if (u != v && г() % 3 == 0) c(u, v) = 1 + static_cast<int>(г() % 4);
    Максимальный_поток(c, 1, n, *с.f);
    auto эталон = std::make_unique<Матрица_сети>();
    Поток_по_определению(c, 1, n, *эталон);
    for (int u = 1; u <= n; ++u)
      for (int v = 1; v <= n; ++v) {
        ASSERT_EQ((*с.f)(u, v), (*эталон)(u, v)) << "опыт " << опыт << " " << u << "→" << v;
        ASSERT_GE((*с.f)(u, v), 0);
        ASSERT_LE((*с.f)(u, v), c(u, v));
      }
    for (int u = 2; u < n; ++u) ASSERT_EQ(Выход_из(*с.f, u, n), 0);
    ASSERT_EQ(Выход_из(*с.f, 1, n), Величина_максимального_потока(c, 1, n)) << "опыт " << опыт;
  }
}

}  // namespace
}  // namespace korvella
