#include "core/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvella {
namespace {

TEST(Random, равномерно_в_своих_границах) {
  Установить_главное_зерно(1);
  std::vector<int> частоты(7, 0);
  for (int i = 0; i < 70000; ++i) {
    const int x = Random(7);
    ASSERT_GE(x, 0);
    ASSERT_LT(x, 7);
    ++частоты[x];
  }
  for (int ч : частоты) EXPECT_NEAR(ч, 10000, 500);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(1), 0);
  Снять_главное_зерно();
}

TEST(Random, главное_зерно_повторяет_все_пересевы) {
  auto Прогон = [] {
    Установить_главное_зерно(42);
    std::vector<int> x;
    for (int k = 0; k < 5; ++k) {
      Reseed();
      for (int i = 0; i < 10; ++i) x.push_back(Random(1000));
    }
    return x;
  };
  const auto первый = Прогон();
  EXPECT_EQ(Прогон(), первый);
  // Successive reseeds differ from each other.
  EXPECT_NE(std::vector<int>(первый.begin(), первый.begin() + 10),
            std::vector<int>(первый.begin() + 10, первый.begin() + 20));
  Снять_главное_зерно();
  EXPECT_FALSE(Детерминированный_режим());
}

}  // namespace
}  // namespace korvella
