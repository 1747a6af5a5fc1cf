#include "timetable/assignment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace korvella {
namespace {

using Таблица = std::vector<std::vector<int32>>;

// Runs the solver on a dense table; 1-based columns, 0 = none.
std::vector<int32> Решить(Решатель_назначений& решатель, const Таблица& в) {
  const int n = static_cast<int>(в.size());
  const int m = n == 0 ? 0 : static_cast<int>(в[0].size());
  std::vector<int32> плоско;
  for (const auto& строка : в) плоско.insert(плоско.end(), строка.begin(), строка.end());
  std::vector<int32> назначение(n, -7);
  решатель.Решить({плоско.data(), n, m, m}, назначение.data());
  return назначение;
}

std::vector<int32> Решить(const Таблица& в) {
  Решатель_назначений решатель;
  return Решить(решатель, в);
}

// The same with the hint of each row's possibly nonzero columns: its nonzero
// ones and, at random, some of its zeros.
std::vector<int32> Решить_с_подсказкой(Решатель_назначений& решатель, const Таблица& в,
                                       std::mt19937& г) {
  const int n = static_cast<int>(в.size());
  const int m = n == 0 ? 0 : static_cast<int>(в[0].size());
  std::vector<int32> плоско;
  std::vector<int> столбцы, начала{0};
  for (const auto& строка : в) {
    плоско.insert(плоско.end(), строка.begin(), строка.end());
    for (int j = 0; j < m; ++j)
      if (строка[j] != 0 || г() % 4 == 0) столбцы.push_back(j);
    начала.push_back(static_cast<int>(столбцы.size()));
  }
  const Столбцы_строк подсказка{столбцы.data(), начала.data()};
  std::vector<int32> назначение(n, -7);
  решатель.Решить({плоско.data(), n, m, m}, назначение.data(), &подсказка);
  return назначение;
}

std::int64_t Вес(const Таблица& в, const std::vector<int32>& назначение) {
  std::int64_t сумма = 0;
  for (std::size_t i = 0; i < назначение.size(); ++i)
    if (назначение[i] > 0) сумма += в[i][назначение[i] - 1];
  return сумма;
}

// Largest total weight over every way of pairing min(n, m) rows and columns.
std::int64_t Полный_перебор(const Таблица& в) {
  const int n = static_cast<int>(в.size());
  const int m = n == 0 ? 0 : static_cast<int>(в[0].size());
  const bool по_строкам = n <= m;  // pair every element of the smaller side
  const int малое = по_строкам ? n : m;
  const int большое = по_строкам ? m : n;
  std::vector<char> занято(большое, 0);
  std::int64_t лучший = 0;
  auto Перебор = [&](auto&& self, int k, std::int64_t сумма) -> void {
    if (k == малое) {
      лучший = std::max(лучший, сумма);
      return;
    }
    for (int x = 0; x < большое; ++x) {
      if (занято[x]) continue;
      занято[x] = 1;
      self(self, k + 1, сумма + (по_строкам ? в[k][x] : в[x][k]));
      занято[x] = 0;
    }
  };
  Перебор(Перебор, 0, 0);
  return лучший;
}

// The procedure word for word on a matrix that it rewrites, as the reference
// for the order of the search (the solver keeps potentials instead).
std::vector<int32> По_описанию(const Таблица& в) {
  const int n = static_cast<int>(в.size());
  const int m = n == 0 ? 0 : static_cast<int>(в[0].size());
  std::vector<std::vector<std::int64_t>> a(n, std::vector<std::int64_t>(m));
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < m; ++j) a[i][j] = -static_cast<std::int64_t>(в[i][j]);
  if (m >= n)
    for (auto& строка : a) {
      const auto мин = *std::min_element(строка.begin(), строка.end());
      for (auto& x : строка) x -= мин;
    }
  if (m <= n)
    for (int j = 0; j < m; ++j) {
      std::int64_t мин = a[0][j];
      for (int i = 0; i < n; ++i) мин = std::min(мин, a[i][j]);
      for (int i = 0; i < n; ++i) a[i][j] -= мин;
    }
  std::vector<int> ст(n, -1), стр(m, -1);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < m; ++j)
      if (стр[j] < 0 && a[i][j] == 0) {
        ст[i] = j;
        стр[j] = i;
        break;
      }
  auto Назначено = [&] {
    return static_cast<int>(std::count_if(ст.begin(), ст.end(), [](int c) { return c >= 0; }));
  };
  while (Назначено() < std::min(n, m)) {
    std::vector<int> метка(m, -1), очередь;
    for (int i = 0; i < n; ++i)
      if (ст[i] < 0) очередь.push_back(i);
    auto Увеличить = [&](int j) {
      for (;;) {
        const int r = метка[j], прежний = ст[r];
        ст[r] = j;
        стр[j] = r;
        if (прежний < 0) return;
        j = прежний;
      }
    };
    std::size_t голова = 0;
    for (bool готово = false; !готово;) {
      while (!готово && голова < очередь.size()) {
        const int r = очередь[голова++];
        for (int j = 0; j < m && !готово; ++j) {
          if (a[r][j] != 0 || метка[j] >= 0) continue;
          метка[j] = r;
          if (стр[j] < 0) {
            Увеличить(j);
            готово = true;
          } else {
            очередь.push_back(стр[j]);
          }
        }
      }
      if (готово) break;
      std::vector<char> в_очереди(n, 0), помечен(m, 0);
      for (int r : очередь) в_очереди[r] = 1;
      for (int j = 0; j < m; ++j) помечен[j] = метка[j] >= 0;
      std::int64_t δ = INT64_MAX;
      for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j)
          if (в_очереди[i] && !помечен[j]) δ = std::min(δ, a[i][j]);
      int запомненный = -1;
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < m; ++j) {
          if (в_очереди[i] && !помечен[j]) {
            a[i][j] -= δ;
            if (a[i][j] == 0 && метка[j] < 0 && запомненный < 0) {
              метка[j] = i;
              if (стр[j] < 0)
                запомненный = j;
              else
                очередь.push_back(стр[j]);
            }
          } else if (!в_очереди[i] && помечен[j]) {
            a[i][j] += δ;
          }
        }
      }
      if (запомненный >= 0) {
        Увеличить(запомненный);
        готово = true;
      }
    }
  }
  std::vector<int32> назначение(n);
  for (int i = 0; i < n; ++i) назначение[i] = ст[i] + 1;
  return назначение;
}

TEST(Назначение, пустые_матрицы) {
  EXPECT_TRUE(Решить(Таблица{}).empty());
  EXPECT_EQ(Решить(Таблица(3, std::vector<int32>{})), (std::vector<int32>{0, 0, 0}));
  Решатель_назначений решатель;
  int32 ничего = -7;
  решатель.Решить({nullptr, 0, 5, 5}, &ничего);
  EXPECT_EQ(ничего, -7);  // no rows: nothing is written
}

TEST(Назначение, одна_клетка_назначается_даже_с_нулевым_весом) {
  EXPECT_EQ(Решить({{5}}), (std::vector<int32>{1}));
  EXPECT_EQ(Решить({{0}}), (std::vector<int32>{1}));
}

TEST(Назначение, три_на_четыре_и_четыре_на_три) {
  const Таблица широкая = {{4, 1, 3, 0}, {2, 0, 5, 3}, {3, 2, 2, 1}};
  EXPECT_EQ(Решить(широкая), (std::vector<int32>{1, 3, 2}));  // 4 + 5 + 2
  Таблица высокая(4, std::vector<int32>(3));
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 3; ++j) высокая[i][j] = широкая[j][i];
  EXPECT_EQ(Решить(высокая), (std::vector<int32>{1, 3, 2, 0}));
}

// Ties decided by the order the search is defined with.
TEST(Назначение, порядок_поиска_решает_между_равными) {
  // Rows 1 and 2 take columns 1 and 2 at once; row 3 labels both, and the δ = 2
  // adjustment meets the first new zero in row 1, column 3 (rows ascending, not
  // queue order, where row 3 comes first): row 1 moves to column 3 and row 3
  // takes its column 1.
  EXPECT_EQ(Решить({{3, 3, 1, 1}, {3, 3, 1, 1}, {3, 3, 1, 1}}), (std::vector<int32>{3, 2, 1}));
  // More rows than columns: the column minima leave row 3 without a zero, and
  // the others take the columns in ascending order.
  EXPECT_EQ(Решить({{3, 3, 3}, {3, 3, 3}, {1, 1, 1}, {3, 3, 3}}), (std::vector<int32>{1, 2, 0, 3}));
  // All ties: the initial zeros give the diagonal.
  EXPECT_EQ(Решить(Таблица(3, std::vector<int32>(3, 2))), (std::vector<int32>{1, 2, 3}));
}

void Проверить_допустимость(const Таблица& в, const std::vector<int32>& назначение) {
  const int n = static_cast<int>(в.size());
  const int m = static_cast<int>(в[0].size());
  std::vector<char> занят(m + 1, 0);
  int назначено = 0;
  for (int32 j : назначение) {
    ASSERT_GE(j, 0);
    ASSERT_LE(j, m);
    if (j == 0) continue;
    ASSERT_FALSE(занят[j]) << "column " << j << " twice";
    занят[j] = 1;
    ++назначено;
  }
  EXPECT_EQ(назначено, std::min(n, m));
}

// Small rectangular matrices of both orientations with many ties and zeros:
// the total is the optimum, and the choice is the one the procedure makes, with
// or without the hint of the nonzero columns.
TEST(Назначение, случайные_матрицы_против_перебора_и_описания) {
  std::mt19937 г(20240611);
  Решатель_назначений решатель(2, 2);  // grows on demand
  for (int случай = 0; случай < 6000; ++случай) {
    const int n = 1 + static_cast<int>(г() % 6);
    const int m = 1 + static_cast<int>(г() % 6);
    const int предел = случай % 3 == 0 ? 2 : (случай % 3 == 1 ? 5 : 40);
    Таблица в(n, std::vector<int32>(m));
    for (auto& строка : в)
      for (auto& x : строка) x = (г() % 3 == 0) ? 0 : static_cast<int32>(г() % (предел + 1));
    const auto назначение = Решить(решатель, в);
    SCOPED_TRACE(::testing::Message() << "case " << случай << " " << n << "x" << m);
    Проверить_допустимость(в, назначение);
    ASSERT_EQ(Вес(в, назначение), Полный_перебор(в));
    ASSERT_EQ(назначение, По_описанию(в));
    ASSERT_EQ(Решить_с_подсказкой(решатель, в, г), назначение);
  }
}

// Larger sizes of both uses against the word-for-word procedure, with the
// solver reused across sizes as the callers do.
TEST(Назначение, размеры_распределения_и_часа_совпадают_с_описанием) {
  std::mt19937 г(7);
  Решатель_назначений решатель(28, 112);
  const int размеры[][2] = {{28, 112}, {28, 28}, {20, 9}, {40, 120}, {112, 30}};
  for (const auto& р : размеры) {
    for (int повтор = 0; повтор < 6; ++повтор) {
      Таблица в(р[0], std::vector<int32>(р[1]));
      for (auto& строка : в)
        for (auto& x : строка) x = (г() % 4 == 0) ? 0 : static_cast<int32>(г() % 6);
      const auto назначение = Решить(решатель, в);
      Проверить_допустимость(в, назначение);
      ASSERT_EQ(назначение, По_описанию(в)) << р[0] << "x" << р[1];
      ASSERT_EQ(Решить_с_подсказкой(решатель, в, г), назначение) << р[0] << "x" << р[1];
    }
  }
}

TEST(Назначение, отрицательные_и_большие_веса) {
  const Таблица в = {{-5, 2'000'000'000, -2'000'000'000}, {2'000'000'000, 7, -1}};
  const auto назначение = Решить(в);
  EXPECT_EQ(Вес(в, назначение), Полный_перебор(в));
  EXPECT_EQ(назначение, По_описанию(в));
}

TEST(Назначение, вызов_по_матрице_часа) {
  auto веса = std::make_unique<Матрица_весов_часа>();
  веса->Обнулить();
  (*веса)(1, 2) = 3;
  (*веса)(2, 2) = 4;
  (*веса)(2, 1) = 2;
  Вектор<int32, kМаксимум_классов> назначение{};
  Решатель_назначений решатель(kМаксимум_классов, kМаксимум_преподавателей);
  Максимальное_паросочетание(решатель, *веса, 2, 3, назначение);
  EXPECT_EQ(назначение(1), 2);
  EXPECT_EQ(назначение(2), 1);
}

}  // namespace
}  // namespace korvella
