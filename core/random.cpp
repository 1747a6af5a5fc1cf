#include "core/random.h"

#include <atomic>
#include <chrono>

namespace korvella {
namespace {

std::uint64_t Смешать(std::uint64_t& x) {  // splitmix64
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Повернуть(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

struct Генератор {
  std::uint64_t s[4] = {1, 2, 3, 4};

  void Посеять(std::uint64_t зерно) {
    for (auto& x : s) x = Смешать(зерно);
  }
  std::uint64_t Следующее() {  // xoshiro256**
    const std::uint64_t результат = Повернуть(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = Повернуть(s[3], 45);
    return результат;
  }
};

// The generator is used by one thread at a time (the interface thread, or the
// calculation task while its modal window waits), so it needs no lock.
Генератор генератор;
bool детерминированный = false;
std::uint64_t последовательность_зёрен = 0;

std::uint64_t Зерно_из_часов() {
  static std::atomic<std::uint64_t> счётчик{0};
  const auto тики = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::uint64_t x = static_cast<std::uint64_t>(тики) ^ (счётчик.fetch_add(1) << 48);
  return Смешать(x);
}

}  // namespace

int Random(int n) {
  if (n <= 0) return 0;
  const auto граница = static_cast<std::uint32_t>(n);
  std::uint64_t m = (генератор.Следующее() >> 32) * граница;
  auto младшие = static_cast<std::uint32_t>(m);
  if (младшие < граница) {
    const std::uint32_t порог = static_cast<std::uint32_t>(-граница) % граница;
    while (младшие < порог) {
      m = (генератор.Следующее() >> 32) * граница;
      младшие = static_cast<std::uint32_t>(m);
    }
  }
  return static_cast<int>(m >> 32);
}

double Random_дробное() { return static_cast<double>(генератор.Следующее() >> 11) * 0x1.0p-53; }

void Reseed() {
  генератор.Посеять(детерминированный ? Смешать(последовательность_зёрен) : Зерно_из_часов());
}

void Установить_главное_зерно(std::uint64_t зерно) {
  детерминированный = true;
  последовательность_зёрен = зерно;
  Reseed();
}

void Снять_главное_зерно() { детерминированный = false; }

bool Детерминированный_режим() { return детерминированный; }

}  // namespace korvella
