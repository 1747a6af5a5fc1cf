#include "timetable/main_loop.h"

#include <gtest/gtest.h>

#include <thread>

#include "core/failure.h"
#include "fixture_school.h"
#include "timetable/final_checks.h"
#include "timetable/timetable_check.h"

namespace korvella {
namespace {

// Runs the loop on a record with the given availability (default: everyone, always).
struct Прогон_цикла {
  std::unique_ptr<тип_Главная_запись> з;
  Параллелепипед п;
  std::unique_ptr<Таблица_час_преподаватель> доступность =
      std::make_unique<Таблица_час_преподаватель>();
  std::unique_ptr<Память_главного_цикла> память = std::make_unique<Память_главного_цикла>();
  Результат_главного_цикла результат;
  std::atomic<bool> стоп{false};
  std::atomic<int> счётчик{0};
  std::vector<std::string> сообщения;
  int предел = 0;

  explicit Прогон_цикла(std::unique_ptr<тип_Главная_запись> запись) : з(std::move(запись)) {
    п = тест::Параллелепипед_школы(*з);
    for (auto& строка : доступность->элементы) std::fill(std::begin(строка), std::end(строка), 1);
  }
  Входы_главного_цикла Входы() const {
    return {з->Количество_классов_в_школе,
            з->Количество_шатных_преподавателей,
            з->Число_предметов_без_разделений_изучаемых_в_школе,
            з->Количество_учебных_дней_в_неделе,
            з->Количество_уроков_в_день,
            п,
            з->Таблица_запрещений_на_проведение_уроков,
            з->Вектор_нагрузки_преподавателей,
            *доступность,
            предел};
  }
  bool Запустить() {
    Управление_расчётом у{&стоп, &счётчик,
                          [this](std::string_view т) { сообщения.emplace_back(т); }};
    Модуль_главного_итерационного_цикла(Входы(), у, *память, результат, з->Школьное_расписание,
                                        з->Расписание_предметов);
    return !результат.неудача;
  }
  void Проверить_неделю() {
    const auto в = Входы();
    EXPECT_NO_THROW(Финальные_проверки({в.K, в.T, в.N, в.D, в.L, п, результат.промежуточный,
                                        в.нагрузка_преподавателей, *доступность,
                                        в.запреты_классов, з->Школьное_расписание,
                                        з->Расписание_предметов}));
    const auto итог = Проверка_основного_расписания(*з, false);
    EXPECT_TRUE(итог.Верно()) << (итог.нарушения.empty() ? "" : итог.нарушения.front());
  }
};

TEST(Главный_цикл, строит_неделю_для_школ_у_которых_она_есть) {
  int удач = 0, всего = 0;
  for (const auto& [D, L, K, T] : {std::tuple{6, 6, 6, 13}, {5, 7, 8, 16}, {6, 6, 12, 20}}) {
    for (unsigned зерно = 1; зерно <= 10; ++зерно) {
      Прогон_цикла прогон(тест::Школа_из_недели(D, L, K, T, 0.15, зерно));
      ++всего;
      if (!прогон.Запустить()) continue;
      ++удач;
      прогон.Проверить_неделю();
      EXPECT_LE(прогон.результат.итераций, Предельное_количество_итераций(K));
    }
  }
  // A heuristic, but these easy schools should practically always come out.
  EXPECT_GE(удач, всего - 2);
}

TEST(Главный_цикл, недоступный_преподаватель_не_ведёт_урок) {
  // Teacher 1 is off on day 2, teacher 2 may not teach first lessons.
  const int D = 5, L = 7, K = 6, T = 13;
  std::vector<std::vector<int>> доступность(D * L + 1, std::vector<int>(T + 1, 1));
  for (int h = 1; h <= D * L; ++h) {
    if ((h - 1) / L == 1) доступность[h][1] = 0;
    if ((h - 1) % L == 0) доступность[h][2] = 0;
  }
  int удач = 0;
  for (unsigned зерно = 1; зерно <= 8; ++зерно) {
    Прогон_цикла прогон(тест::Школа_из_недели(D, L, K, T, 0.1, зерно, доступность));
    for (int h = 1; h <= D * L; ++h)
      for (int t = 1; t <= T; ++t) (*прогон.доступность)(h, t) = доступность[h][t];
    if (!прогон.Запустить()) continue;
    ++удач;
    прогон.Проверить_неделю();
    for (int c = 1; c <= K; ++c)
      for (int h = 1; h <= D * L; ++h) {
        const int t = прогон.з->Школьное_расписание(c, h);
        if (t) {
          EXPECT_EQ(доступность[h][t], 1) << c << " " << h;
        }
      }
  }
  EXPECT_GE(удач, 6);
}

// Teacher 1 teaches 2 hours in each of two classes in a 3-hour week: no week exists.
std::unique_ptr<тип_Главная_запись> Школа_без_решения() {
  return тест::Школа(3, 1, 2, 2, 2, {{1, 1, 2, 1}, {1, 2, 1, 2}, {2, 1, 2, 1}, {2, 2, 1, 2}});
}

TEST(Главный_цикл, без_решения_упирается_в_предел_итераций) {
  Прогон_цикла прогон(Школа_без_решения());
  EXPECT_FALSE(прогон.Запустить());
  EXPECT_EQ(Предельное_количество_итераций(2), 132);
  EXPECT_EQ(прогон.результат.итераций, 133);
  EXPECT_EQ(прогон.счётчик.load(), 133);
  // Every restart came from a class left without a lesson, and added to the
  // correction of the pairs that had a weight in that hour.
  EXPECT_GT(прогон.память->Корректирующая_матрица(1, 1) + прогон.память->Корректирующая_матрица(2, 1), 0);
  // The partial week of the last iteration stays.
  int уроков = 0;
  for (int c = 1; c <= 2; ++c)
    for (int h = 1; h <= 3; ++h) уроков += прогон.з->Школьное_расписание(c, h) != 0;
  EXPECT_GT(уроков, 0);
  EXPECT_LT(уроков, 6);
}

TEST(Главный_цикл, предел_попытки_и_остановка_до_начала) {
  struct Случай {
    int предел;
    bool стоп;
    int итераций;
  } случаи[] = {
      {5, false, 6},      // an attempt's allowance ends it on the iteration after
      {1000, false, 133},  // never beyond the limit of 33·K²
      {0, true, 1},       // a stop set before the loop starts is not forgotten
  };
  for (const auto& с : случаи) {
    Прогон_цикла прогон(Школа_без_решения());
    прогон.предел = с.предел;
    прогон.стоп = с.стоп;
    EXPECT_FALSE(прогон.Запустить());
    EXPECT_EQ(прогон.результат.итераций, с.итераций) << с.предел;
  }
  // K²/2, at least 10·K, times the Luby sequence, never beyond the limit.
  const int луби[] = {1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, 1};
  for (int a = 1; a <= 16; ++a) EXPECT_EQ(Предел_итераций_попытки(28, a), 392 * луби[a - 1]) << a;
  EXPECT_EQ(Предел_итераций_попытки(28, 63), 392 * 32);
  EXPECT_EQ(Предел_итераций_попытки(10, 1), 100);
  EXPECT_EQ(Предел_итераций_попытки(5, 3), 100);   // 10·K over K²/2
  EXPECT_EQ(Предел_итераций_попытки(2, 15), 132);  // 20 · 8 capped
}

// Both restart rules, seen in the correction matrix after the first iteration
// of schools with two days of one lesson.
TEST(Главный_цикл, перезапуск_добавляет_к_поправкам) {
  struct Случай {
    const char* что;
    std::vector<тест::Строка_плана> строки;  // {class, subject, hours, teacher}
    std::vector<std::pair<int, int>> закрыто;  // (hour, teacher) unavailable
    std::vector<std::pair<int, int>> запреты;  // (class, hour) banned
    std::vector<std::tuple<int, int, int>> поправки;  // (class, teacher, value)
  } случаи[] = {
      // Hour 1: teacher 2 is away, so class 1 or class 2 gets no lesson. Every pair
      // with a weight in that hour gains 1; pair (2, 2) has none (its teacher is
      // away), nor has class 3, banned in hour 1, whose lack of a lesson is no cause.
      {"class without a lesson",
       {{1, 1, 1, 1}, {2, 2, 1, 1}, {2, 1, 1, 2}, {3, 1, 1, 1}, {3, 2, 1, 3}},
       {{1, 2}},
       {{3, 1}},
       {{1, 1, 1}, {2, 1, 1}, {2, 2, 0}, {3, 1, 0}, {3, 3, 0}}},
      // Day 1 places teacher 1 in class 1 and teacher 3 in class 2 (lowest numbers
      // win equal weights). Each cell still holding 2 hours for the one day left is
      // over-full and adds 1 to its pair: teacher 2's one cell in class 1, teacher
      // 4's two cells in class 2 — all of them, not only the first.
      {"over-full cells at the end of a day",
       {{1, 1, 2, 1}, {1, 2, 2, 2}, {2, 1, 2, 3}, {2, 2, 2, 4}, {2, 3, 2, 4}},
       {},
       {},
       {{1, 1, 0}, {1, 2, 1}, {2, 3, 0}, {2, 4, 2}}},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.что);
    int K = 0, T = 0;
    for (const auto& строка : с.строки) {
      K = std::max(K, строка.класс);
      T = std::max(T, строка.преподаватель);
    }
    Прогон_цикла прогон(тест::Школа(2, 1, K, 3, T, с.строки));
    for (const auto& [h, t] : с.закрыто) (*прогон.доступность)(h, t) = 0;
    for (const auto& [c, h] : с.запреты) прогон.з->Таблица_запрещений_на_проведение_уроков(c, h) = 1;
    прогон.предел = 1;
    EXPECT_FALSE(прогон.Запустить());
    EXPECT_EQ(прогон.результат.итераций, 2);
    for (const auto& [c, t, поправка] : с.поправки)
      EXPECT_EQ(прогон.память->Корректирующая_матрица(c, t), поправка) << c << " " << t;
  }
}

TEST(Главный_цикл, меньше_преподавателей_чем_классов_не_решается) {
  // Two classes, one teacher: a class left without any teacher counts as weight 0.
  Прогон_цикла прогон(тест::Школа(5, 2, 2, 2, 1, {{1, 1, 2, 1}, {2, 2, 2, 1}}));
  EXPECT_FALSE(прогон.Запустить());
  EXPECT_EQ(прогон.результат.итераций, Предельное_количество_итераций(2) + 1);
}

TEST(Главный_цикл, остановка_во_время_расчёта) {
  // 28 classes of an impossible load: a teacher with 9 hours in each of 4 classes.
  std::vector<тест::Строка_плана> строки;
  for (int c = 1; c <= 28; ++c) строки.push_back({c, 1, 5, (c - 1) / 4 + 1});
  Прогон_цикла прогон(тест::Школа(6, 6, 28, 1, 7, строки));
  std::thread расчёт([&] { прогон.Запустить(); });
  while (прогон.счётчик.load() < 20) std::this_thread::yield();
  прогон.стоп = true;
  расчёт.join();
  EXPECT_TRUE(прогон.результат.неудача);
  EXPECT_LT(прогон.результат.итераций, Предельное_количество_итераций(28));
}

TEST(Главный_цикл, нагрузка_преподавателя_не_совпадает_с_параллелепипедом) {
  Прогон_цикла прогон(тест::Школа(6, 6, 1, 1, 1, {{1, 1, 3, 1}}));
  прогон.з->Вектор_нагрузки_преподавателей(1) = 4;
  try {
    прогон.Запустить();
    FAIL();
  } catch (const Исключение_процедуры& e) {
    EXPECT_EQ(e.Имя(), "Главный_цикл_проверка_параллелепипеда");
    EXPECT_EQ(e.Текст(),
              "Нагрузка преподавателя не совпадает ...\nПреподаватель = 1\n"
              "Нагрузка_преподавателя = 3\nВектор_нагрузки_преподавателей[1] = 4");
  }
  ASSERT_EQ(прогон.сообщения.size(), 1u);
  EXPECT_EQ(прогон.сообщения[0],
            "Модуль: Главный_цикл_проверка_параллелепипеда - Нагрузка преподавателя не совпадает "
            "...");
}

// A class of one teacher with two subjects of two hours and four free hours in a
// three-day week: the larger remainder leads, the lower subject wins ties, and
// a subject leaves the class for the rest of its day.
TEST(Главный_цикл, веса_и_предметы_по_ручному_расчёту) {
  Прогон_цикла прогон(тест::Школа(3, 2, 1, 2, 1, {{1, 1, 2, 1}, {1, 2, 2, 1}}));
  ASSERT_TRUE(прогон.Запустить());
  EXPECT_EQ(прогон.результат.итераций, 1);
  const int предметы[] = {1, 2, 1, 2, 0, 0};
  for (int h = 1; h <= 6; ++h) {
    EXPECT_EQ(прогон.з->Расписание_предметов(1, h), предметы[h - 1]) << h;
    EXPECT_EQ(прогон.з->Школьное_расписание(1, h), предметы[h - 1] ? 1 : 0) << h;
  }
}

}  // namespace
}  // namespace korvella
