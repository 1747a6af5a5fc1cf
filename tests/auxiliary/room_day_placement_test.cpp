// One day of special-room visits: the four cases on hand-made days, the choice
// of the next visit with the five-day rule, and whole days.
#include "auxiliary/room_day_placement.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/failure.h"
#include "core/random.h"

namespace korvella {
namespace {

// A day of D = 1 and L lessons; visits already placed are given as
// (class, hour, room), the visit to place is (r, c).
struct Стенд_дня {
  Вектор<int32, kМаксимум_классов> запрещений{};
  Таблица_класс_час запреты{};
  Таблица_класс_час расписание{};
  Матрица_дня визиты{};
  Размещение_дня день;

  struct Визит {
    int c, h, r;
  };

  Стенд_дня(int L, int C, int R, std::vector<Визит> поставлены, int r, int c)
      : день(1, L, 1, C, R, запрещений, запреты, расписание) {
    for (const auto& в : поставлены) ++визиты(в.r, в.c);
    ++визиты(r, c);
    день.Начать(визиты);
    for (const auto& в : поставлены) {
      день.Поставить(в.c, в.h, в.r);
      день.Учет_размещения(в.r, в.c);
    }
  }

  // Every room at most once an hour and every class at most once in a room.
  void Проверить_день() const {
    for (int h = 1; h <= день.Часов(); ++h) {
      std::vector<int> держатель(день.Помещений() + 1, 0);
      for (int c = 1; c <= день.Классов(); ++c) {
        const int r = расписание(c, h);
        if (r == 0) continue;
        EXPECT_EQ(держатель[r], 0) << "room " << r << " twice in hour " << h;
        держатель[r] = c;
      }
    }
    for (int c = 1; c <= день.Классов(); ++c) {
      std::vector<int> раз(день.Помещений() + 1, 0);
      for (int h = 1; h <= день.Часов(); ++h)
        if (расписание(c, h)) {
          EXPECT_EQ(++раз[расписание(c, h)], 1) << "class " << c;
        }
      for (int r = 1; r <= день.Помещений(); ++r)
        EXPECT_EQ(раз[r], визиты(r, c) - день.Осталось(r, c)) << "class " << c << " room " << r;
    }
  }

  std::vector<int> Класс(int c) const {
    std::vector<int> часы;
    for (int h = 1; h <= день.Часов(); ++h) часы.push_back(расписание(c, h));
    return часы;
  }
};

class Случаи_дня : public ::testing::Test {
 protected:
  void SetUp() override { Установить_главное_зерно(7); }
  void TearDown() override { Снять_главное_зерно(); }
};

TEST_F(Случаи_дня, ПервыйСлучайБерётЧасГдеСвободныИКлассИПомещение) {
  // Room 1 is held in hours 1 and 3; class 1 is busy in hour 2.
  Стенд_дня с(3, 3, 2, {{2, 1, 1}, {3, 3, 1}, {1, 2, 2}}, 1, 1);
  EXPECT_FALSE(Первый_случай(с.день, 1, 1));  // nothing fits without a move
  EXPECT_EQ(с.Класс(1), (std::vector{0, 2, 0}));

  Стенд_дня с2(3, 3, 2, {{2, 1, 1}, {1, 2, 2}}, 1, 1);
  ASSERT_TRUE(Первый_случай(с2.день, 1, 1));
  EXPECT_EQ(с2.Класс(1), (std::vector{0, 2, 1}));
  EXPECT_EQ(с2.день.Осталось_всего(), 0);
  с2.Проверить_день();
}

TEST_F(Случаи_дня, ВторойСлучайПереноситСвойВизитКласса) {
  // Class 1 holds room 2 in hour 1; room 1 is taken in hours 2 and 3.
  Стенд_дня с(3, 3, 2, {{1, 1, 2}, {2, 2, 1}, {3, 3, 1}}, 1, 1);
  EXPECT_FALSE(Первый_случай(с.день, 1, 1));
  ASSERT_TRUE(Второй_случай(с.день, 1, 1));
  EXPECT_EQ(с.Класс(1), (std::vector{1, 2, 0}));
  EXPECT_EQ(с.день.Осталось_всего(), 0);
  с.Проверить_день();
}

TEST_F(Случаи_дня, ТретийСлучайВращаетТриВизита) {
  // Class 1: room 2 in hour 1, room 3 in hour 2, hour 3 open. Room 1 is taken
  // in hours 2 and 3, room 2 in hour 3: neither a free hour nor one move helps.
  Стенд_дня с(3, 4, 3, {{1, 1, 2}, {1, 2, 3}, {2, 3, 1}, {3, 3, 2}, {4, 2, 1}}, 1, 1);
  EXPECT_FALSE(Первый_случай(с.день, 1, 1));
  EXPECT_FALSE(Второй_случай(с.день, 1, 1));
  ASSERT_TRUE(Третий_случай(с.день, 1, 1));
  EXPECT_EQ(с.Класс(1), (std::vector{1, 2, 3}));
  с.Проверить_день();
}

TEST_F(Случаи_дня, ЦепочкаТарвинаМельдорнаМеняетСтолбцыЧасовКлассов) {
  // Class 1 holds room 2 in hour 1 and has no second visit to rotate; room 1 is
  // taken in hours 2 and 3, room 2 in hours 2 and 3. Moving class 1's room 2 to
  // hour 2 pushes class 5 (room 2 there) to swap its hours, which pushes
  // class 4 (room 3 in hour 2), found in a second scan since 4 < 5.
  Стенд_дня с(3, 6, 3,
              {{1, 1, 2}, {2, 2, 1}, {3, 3, 1}, {5, 2, 2}, {5, 1, 3}, {4, 2, 3}, {6, 3, 2}}, 1, 1);
  EXPECT_FALSE(Первый_случай(с.день, 1, 1));
  EXPECT_FALSE(Второй_случай(с.день, 1, 1));
  EXPECT_FALSE(Третий_случай(с.день, 1, 1));
  EXPECT_EQ(Столбец_с_заменяемым_нулем(с.день, 1), 2);
  EXPECT_EQ(Столбец_без_элемента_расписания(с.день, 1, 1, 2), 1);
  ASSERT_TRUE(Перестановка_Тарвина_Мельдорна(с.день, 1, 1));
  EXPECT_EQ(с.Класс(1), (std::vector{1, 2, 0}));
  EXPECT_EQ(с.Класс(5), (std::vector{2, 3, 0}));
  EXPECT_EQ(с.Класс(4), (std::vector{3, 0, 0}));
  с.Проверить_день();
}

TEST_F(Случаи_дня, ЦепочкаНеИдётВЗапрещённыйЧас) {
  // As above, but class 5 may not use hour 1: the chain cannot go on.
  Стенд_дня с(3, 6, 3, {{1, 1, 2}, {2, 2, 1}, {3, 3, 1}, {5, 2, 2}, {4, 2, 3}, {6, 3, 2}}, 1, 1);
  с.запреты(5, 1) = 1;
  EXPECT_FALSE(Перестановка_Тарвина_Мельдорна(с.день, 1, 1));
}

TEST_F(Случаи_дня, ВыборВПятидневкеУступаетОчередьСтаршемуНомеру) {
  // Three classes visit room 1; class 1 has 5 prohibitions. In a five-day week
  // a choice of class 1 passes to class 3 (the highest with a visit), and with
  // class 3 at 5 prohibitions too on to class 2; in a six-day week it stays.
  struct Случай {
    int запрещений_3;
    int вместо_первого;
  };
  for (const Случай сл : {Случай{0, 3}, Случай{5, 2}}) {
    int выбран_первый = 0;
    for (int зерно = 1; зерно <= 60; ++зерно) {
      Вектор<int32, kМаксимум_классов> запрещений{};
      запрещений(1) = 5;
      запрещений(3) = сл.запрещений_3;
      Таблица_класс_час запреты{}, расписание{};
      Матрица_дня визиты{};
      for (int c = 1; c <= 3; ++c) визиты(1, c) = 1;
      Размещение_дня шесть(1, 6, 6, 3, 1, запрещений, запреты, расписание);
      Размещение_дня пять(1, 7, 5, 3, 1, запрещений, запреты, расписание);
      шесть.Начать(визиты);
      пять.Начать(визиты);
      Установить_главное_зерно(зерно);
      const auto [r6, c6] = Выбор_элемента_расписания(шесть);
      Установить_главное_зерно(зерно);
      const auto [r5, c5] = Выбор_элемента_расписания(пять);
      EXPECT_EQ(r5, 1);
      EXPECT_EQ(c5, c6 == 1 ? сл.вместо_первого : c6) << зерно;
      выбран_первый += c6 == 1;
    }
    EXPECT_GT(выбран_первый, 0);
  }
}

TEST_F(Случаи_дня, ПоследнийВизитБерётсяБезРозыгрыша) {
  Вектор<int32, kМаксимум_классов> запрещений{};
  Таблица_класс_час запреты{}, расписание{};
  Матрица_дня визиты{};
  визиты(3, 2) = 1;
  Размещение_дня день(1, 6, 6, 4, 3, запрещений, запреты, расписание);
  день.Начать(визиты);
  EXPECT_EQ(Выбор_элемента_расписания(день), std::pair(3, 2));
}

// A full day: every room at L visits (the tightest day there is), placed into
// a valid table on many seeds; the harder cases are really used.
TEST(Алгоритм_ТМ, ПолныйДеньВсегдаРазмещается) {
  Счётчики_случаев счётчики;
  for (int зерно = 1; зерно <= 40; ++зерно) {
    Установить_главное_зерно(зерно);
    const int L = зерно % 2 ? 6 : 7, D = L == 6 ? 6 : 5, C = 28, R = 4;
    Вектор<int32, kМаксимум_классов> запрещений{};
    Таблица_класс_час запреты{}, расписание{};
    Матрица_дня визиты{};
    for (int r = 1; r <= R; ++r)
      for (int i = 0; i < L; ++i) визиты(r, 1 + (r * 5 + i * 3 + зерно) % C) = 1;
    bool отказ = true;
    Алгоритм_ТМ(2, L, D, C, R, запрещений, визиты, запреты, отказ, расписание, &счётчики);
    ASSERT_FALSE(отказ) << зерно;
    for (int c = 1; c <= C; ++c)
      for (int h = 1; h <= D * L; ++h)
        if (h <= L || h > 2 * L) {
          EXPECT_EQ(расписание(c, h), 0);  // only day 2 is placed
        }
    for (int h = L + 1; h <= 2 * L; ++h)
      for (int r = 1; r <= R; ++r) {
        int держателей = 0;
        for (int c = 1; c <= C; ++c) держателей += расписание(c, h) == r;
        EXPECT_EQ(держателей, 1) << "room " << r << " hour " << h;  // full rooms: exactly once
      }
  }
  Снять_главное_зерно();
  EXPECT_GT(счётчики.случаев[0], 0);
  EXPECT_GT(счётчики.случаев[1] + счётчики.случаев[2] + счётчики.случаев[3], 0);
  EXPECT_EQ(счётчики.тупиков, 0);
}

TEST(Алгоритм_ТМ, ДеньБезВизитовПустИНиОдинСлучайНеПробуется) {
  Вектор<int32, kМаксимум_классов> запрещений{};
  Таблица_класс_час запреты{}, расписание{};
  расписание(1, 1) = 3;  // left from an earlier try
  Матрица_дня визиты{};
  Счётчики_случаев счётчики;
  bool отказ = true;
  Алгоритм_ТМ(1, 6, 6, 5, 2, запрещений, визиты, запреты, отказ, расписание, &счётчики);
  EXPECT_FALSE(отказ);
  EXPECT_EQ(расписание(1, 1), 0);
  EXPECT_EQ(счётчики.случаев, (std::array<long, 4>{}));
}

TEST(Алгоритм_ТМ, ДеньБезОткрытогоЧасаОтказываетПосле300Попыток) {
  Установить_главное_зерно(3);
  Вектор<int32, kМаксимум_классов> запрещений{};
  Таблица_класс_час запреты{}, расписание{};
  Матрица_дня визиты{};
  визиты(1, 2) = 1;
  визиты(2, 1) = 1;
  for (int h = 1; h <= 6; ++h) запреты(2, h) = 1;  // class 2 cannot come on day 1
  Счётчики_случаев счётчики;
  bool отказ = false;
  Алгоритм_ТМ(1, 6, 6, 3, 2, запрещений, визиты, запреты, отказ, расписание, &счётчики);
  Снять_главное_зерно();
  EXPECT_TRUE(отказ);
  EXPECT_EQ(счётчики.тупиков, kПопыток_дня);
}

TEST(Алгоритм_ТМ, НеверныйДеньОстанавливаетПодИменемПроцедуры) {
  Вектор<int32, kМаксимум_классов> запрещений{};
  Таблица_класс_час запреты{}, расписание{};
  Матрица_дня визиты{};
  bool отказ = false;
  for (auto [d, R] : {std::pair{7, 2}, {1, 5}, {0, 1}}) {
    try {
      Алгоритм_ТМ(d, 6, 6, 5, R, запрещений, визиты, запреты, отказ, расписание);
      ADD_FAILURE() << d << " " << R;
    } catch (const Исключение_процедуры& e) {
      EXPECT_EQ(e.Имя(), "Алгоритм_ТМ");
    }
  }
}

}  // namespace
}  // namespace korvella
