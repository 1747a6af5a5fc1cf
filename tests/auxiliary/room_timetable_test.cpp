// The joint calculation of the special rooms and the sanitary prohibitions:
// the visits over the days, the sanitary placement around the room lessons,
// the whole calculation with its bounds, and the check of its result.
#include "auxiliary/room_timetable.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "auxiliary/joint_sanitary.h"
#include "auxiliary/room_timetable_check.h"
#include "auxiliary/sanitary.h"
#include "core/failure.h"
#include "core/random.h"
#include "tests/auxiliary/room_school_fixture.h"

namespace korvella {
namespace {

struct Зерно {
  explicit Зерно(unsigned з) { Установить_главное_зерно(з); }
  ~Зерно() { Снять_главное_зерно(); }
};

std::unique_ptr<тип_Главная_запись> Школа(int C, int D, int L, int R,
                                          const std::vector<int>& запрещений = {}) {
  auto з = std::make_unique<тип_Главная_запись>();
  Обнулить_запись(*з);
  testing::Школа_со_спецпомещениями(*з, C, D, L, R, запрещений);
  return з;
}

// Fills every class × hour table with junk, as a failed calculation must not leave it.
void Замусорить(тип_Главная_запись& з) {
  for (Таблица_класс_час* т :
       {&з.Таблица_запрещений_на_проведение_уроков, &з.Таблица_санитарных_запрещений,
        &з.Расписание_спецпомещений, &з.Расписание_спецпреподавателей,
        &з.Расписание_для_совместителей, &з.Расписание_для_потоков, &з.Расписание_для_разделений,
        &з.Школьное_расписание, &з.Расписание_предметов, &з.Расписание_кабинетов})
    (*т)(3, 5) = 1;
}

bool Все_десять_пусты(const тип_Главная_запись& з) {
  for (const Таблица_класс_час* т :
       {&з.Таблица_запрещений_на_проведение_уроков, &з.Таблица_санитарных_запрещений,
        &з.Расписание_спецпомещений, &з.Расписание_спецпреподавателей,
        &з.Расписание_для_совместителей, &з.Расписание_для_потоков, &з.Расписание_для_разделений,
        &з.Школьное_расписание, &з.Расписание_предметов, &з.Расписание_кабинетов})
    for (const auto& строка : т->элементы)
      for (int x : строка)
        if (x != 0) return false;
  return true;
}

// The calculation's result with the done flags set as step 8 sets them, checked.
std::vector<std::string> Нарушения(тип_Главная_запись& з) {
  з.Готово_расписание_спецпомещений = true;
  з.Готовы_санитарные_ограничения = true;
  auto н = Проверка_расписания_спецпомещений(з).нарушения;
  for (auto& с : Проверка_санитарных_запрещений(з).нарушения) н.push_back(с);
  return н;
}

TEST(Таблица_РНК, БезОтказовДниРаздаютсяМладшимНомерамПоПорядку) {
  Матрица_дня нагрузки{};
  for (int c = 1; c <= 5; ++c) нагрузки(1, c) = 1;
  нагрузки(1, 4) = 2;  // the most visits first
  нагрузки(2, 3) = 3;
  auto РНК = std::make_unique<Таблица_РНК>();
  Таблица_РНКлассов_по_дням_недели(0, 5, 2, 2, 3, нагрузки, *РНК);
  // Room 1, two visits a day: day 1 classes 4 and 1, day 2 classes 2 and 3, day 3 classes 4 and 5.
  const std::set<int> kДни_помещения_1[] = {{1, 4}, {2, 3}, {4, 5}};
  for (int d = 1; d <= 3; ++d) {
    std::set<int> классы;
    for (int c = 1; c <= 5; ++c)
      if ((*РНК)(c, 1, d)) классы.insert(c);
    EXPECT_EQ(классы, kДни_помещения_1[d - 1]) << d;
    EXPECT_EQ((*РНК)(3, 2, d), 1);  // at most once a day: one visit on each day
  }
}

TEST(Таблица_РНК, ПослеОтказовНичьиСлучайныНоВсёРаздаётся) {
  Зерно посев(11);
  Матрица_дня нагрузки{};
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 28; ++c) нагрузки(r, c) = 1 + (r + c) % 2;  // 42 a room
  std::set<std::vector<int>> разные;
  for (int раз = 0; раз < 5; ++раз) {
    auto РНК = std::make_unique<Таблица_РНК>();
    Таблица_РНКлассов_по_дням_недели(1, 28, 4, 7, 6, нагрузки, *РНК);
    std::vector<int> день_1;
    for (int r = 1; r <= 4; ++r) {
      for (int d = 1; d <= 6; ++d) {
        int за_день = 0;
        for (int c = 1; c <= 28; ++c) за_день += (*РНК)(c, r, d);
        EXPECT_LE(за_день, 7);
      }
      for (int c = 1; c <= 28; ++c) {
        int визитов = 0;
        for (int d = 1; d <= 6; ++d) визитов += (*РНК)(c, r, d);
        EXPECT_EQ(визитов, нагрузки(r, c));
        день_1.push_back((*РНК)(c, r, 1));
      }
    }
    разные.insert(день_1);
  }
  EXPECT_GT(разные.size(), 1u);
}

// Hours marked for class 1 of a single-class week with the given hours taken
// by special-room lessons.
struct Случай_санитарии {
  const char* что;
  bool первый_проход;
  int n;
  std::set<int> занято;
  bool неудача;
  std::set<int> запреты;
};

TEST(Совместные_санитарные_запрещения, КонцыДнейАПервыеУрокиТолькоСоВторогоПрохода) {
  // 6×6: a_d = 6d − 5, b_d = 6d.
  const Случай_санитарии kСлучаи[] = {
      {"последние уроки с субботы, потом предпоследний",
       true,
       7,
       {},
       false,
       {6, 12, 18, 24, 30, 36, 35}},
      {"занятый последний урок пропускается", true, 3, {36}, false, {30, 24, 18}},
      {"перед занятым последним не запрещается",
       true,
       8,
       {36},
       false,
       {6, 12, 18, 24, 30, 29, 23, 17}},
      {"первый урок дня с занятым последним",
       true,
       11,
       {36},
       false,
       {6, 12, 18, 24, 30, 5, 11, 17, 23, 29, 31}},
      {"первый проход: больше не помещается",
       true,
       13,
       {},
       true,
       {5, 6, 11, 12, 17, 18, 23, 24, 29, 30, 35, 36}},
      {"второй проход: и первые уроки",
       false,
       13,
       {},
       false,
       {5, 6, 11, 12, 17, 18, 23, 24, 29, 30, 35, 36, 31}},
      {"второй проход: и вторые уроки", false, 20, {}, false, {5,  6,  11, 12, 17, 18, 23,
                                                               24, 29, 30, 35, 36, 1,  7,
                                                               13, 19, 25, 31, 32, 26}},
      {"второй урок только за свободным первым",
       false,
       9,
       {31, 35, 36, 30, 24, 18, 12},
       false,
       {6, 5, 25, 19, 13, 7, 1, 26, 20}},
      {"даже со вторыми уроками мало", false, 25, {}, true, {}},
  };
  for (const auto& с : kСлучаи) {
    SCOPED_TRACE(с.что);
    Вектор<int32, kМаксимум_классов> запрещений{};
    запрещений(1) = с.n;
    auto T = std::make_unique<Таблица_класс_час>();
    auto S = std::make_unique<Таблица_класс_час>();
    T->Обнулить();
    for (int h : с.занято) (*T)(1, h) = 1;
    bool неудача = !с.неудача;
    Добавление_санитарных_запрещений(6, 6, 1, с.первый_проход, запрещений, *T, неудача, *S);
    EXPECT_EQ(неудача, с.неудача);
    std::set<int> запреты;
    for (int h = 1; h <= 36; ++h)
      if ((*S)(1, h)) {
        EXPECT_EQ((*S)(1, h), kСанитарный_запрет);
        запреты.insert(h);
      }
    if (!с.неудача || с.первый_проход) {
      EXPECT_EQ(запреты, с.запреты);
    }
  }
}

TEST(Совместные_санитарные_запрещения, КлассыСКонцаИНеудачаОстанавливаетНаКлассе) {
  Вектор<int32, kМаксимум_классов> запрещений{};
  запрещений(1) = 2;
  запрещений(2) = 11;  // 5×7: ten at most in the first pass
  запрещений(3) = 1;
  auto T = std::make_unique<Таблица_класс_час>();
  auto S = std::make_unique<Таблица_класс_час>();
  T->Обнулить();
  S->Обнулить();
  (*S)(1, 1) = 2;  // from before: cleared
  bool неудача = false;
  Добавление_санитарных_запрещений(5, 7, 3, true, запрещений, *T, неудача, *S);
  EXPECT_TRUE(неудача);
  EXPECT_EQ((*S)(3, 35), 2);                                    // class 3 served first
  EXPECT_EQ((*S)(2, 35), 2);                                    // class 2 marked what it could
  for (int h = 1; h <= 35; ++h) EXPECT_EQ((*S)(1, h), 0) << h;  // class 1 never reached
}

// The whole calculation on schools of every size and both modes: the tables
// pass every rule of the check, and the counters tell what it took.
TEST(Алгоритм_перестановок, НеделяИЗапретыПроходятПроверку) {
  struct Размер {
    int C, D, L, R;
  };
  for (const Размер р : {Размер{5, 6, 6, 2},
                         {10, 5, 7, 3},
                         {17, 6, 6, 4},
                         {23, 5, 7, 4},
                         {28, 6, 6, 4},
                         {28, 5, 7, 4}}) {
    for (unsigned зерно = 1; зерно <= 3; ++зерно) {
      SCOPED_TRACE(::testing::Message()
                   << р.C << " classes " << р.D << "x" << р.L << " seed " << зерно);
      Зерно посев(зерно);
      auto школа = Школа(р.C, р.D, р.L, р.R);
      const auto ход = Алгоритм_перестановок(*школа);
      ASSERT_FALSE(ход.неудача);
      EXPECT_GE(ход.проходов, 1);
      EXPECT_GE(ход.попыток, 1);
      EXPECT_EQ(ход.отказов_дней, 0);
      for (const auto& н : Нарушения(*школа)) ADD_FAILURE() << н;
      // The prior restriction holds exactly the room lessons.
      for (int c = 1; c <= р.C; ++c)
        for (int h = 1; h <= р.D * р.L; ++h)
          EXPECT_EQ(школа->Таблица_запрещений_на_проведение_уроков(c, h),
                    школа->Расписание_спецпомещений(c, h) > 0 ? 1 : 0);
    }
  }
}

TEST(Алгоритм_перестановок, ПервыйПроходБезПервыхУроковВторойСНими) {
  // 13 prohibitions do not fit the ends of six days: the first pass uses up
  // its 133 attempts, the second succeeds at once.
  Зерно посев(4);
  auto школа = Школа(6, 6, 6, 1, {13});
  const auto ход = Алгоритм_перестановок(*школа);
  ASSERT_FALSE(ход.неудача);
  EXPECT_EQ(ход.проходов, 2);
  EXPECT_EQ(ход.попыток, kПопыток_прохода + 1);
  EXPECT_EQ(ход.попыток_прохода, 1);
  for (const auto& н : Нарушения(*школа)) ADD_FAILURE() << н;
}

TEST(Алгоритм_перестановок, НеразмещаемыеЗапретыИсчерпываютВсеПроходыИОбнуляютТаблицы) {
  Зерно посев(5);
  auto школа = Школа(6, 6, 6, 1, {0, 25});  // more than the four ends of six days
  Замусорить(*школа);
  школа->Расписание_спецпомещений.Обнулить();
  школа->Таблица_запрещений_на_проведение_уроков.Обнулить();
  const auto ход = Алгоритм_перестановок(*школа);
  EXPECT_TRUE(ход.неудача);
  EXPECT_TRUE(ход.санитарная_неудача);
  EXPECT_FALSE(ход.слишком_много_отказов);
  EXPECT_EQ(ход.проходов, kПерезапусков + 1);
  EXPECT_EQ(ход.попыток, (kПерезапусков + 1) * kПопыток_прохода);
  EXPECT_TRUE(Все_десять_пусты(*школа));
}

TEST(Алгоритм_перестановок, СорокПятьОтказовДнейЗавершаютРасчётНеудачей) {
  // Class 1 may come on no hour at all, yet visits a room: every week fails.
  Зерно посев(6);
  auto школа = Школа(5, 6, 6, 1);
  for (int h = 1; h <= 36; ++h) школа->Таблица_запрещений_на_проведение_уроков(1, h) = 1;
  const auto ход = Алгоритм_перестановок(*школа);
  EXPECT_TRUE(ход.неудача);
  EXPECT_TRUE(ход.слишком_много_отказов);
  EXPECT_EQ(ход.отказов_дней, kПредел_отказов_дней);
  EXPECT_EQ(ход.попыток, 1);  // the outcome is settled: no further attempt
  EXPECT_TRUE(Все_десять_пусты(*школа));
}

TEST(Алгоритм_перестановок, НевыполнимаяНагрузкаНеПроходитПроверкуНедели) {
  // Seven visits a week to one room: a class visits a room at most once a day,
  // so one visit is dropped and check 2 fails.
  Зерно посев(8);
  auto школа = Школа(5, 6, 6, 1);
  школа->Нагрузка_классов_в_спецпомещениях(1, 2) = 7;
  const auto ход = Алгоритм_перестановок(*школа);
  EXPECT_TRUE(ход.неудача);
  EXPECT_TRUE(ход.проверка_не_прошла);
  EXPECT_FALSE(ход.санитарная_неудача);
  EXPECT_TRUE(Все_десять_пусты(*школа));
}

TEST(Алгоритм_перестановок, НеверныеРазмерыОстанавливаютПодИменемПроцедуры) {
  for (int R : {0, 5}) {
    auto школа = Школа(5, 6, 6, 1);
    школа->Количество_спецпомещений = R;
    try {
      Алгоритм_перестановок(*школа);
      ADD_FAILURE() << R;
    } catch (const Исключение_процедуры& e) {
      EXPECT_EQ(e.Имя(), "Алгоритм_перестановок");
    }
  }
}

// Each rule of the check, broken once in a correct result.
TEST(Проверка_спецпомещений, КаждоеПравилоЛовитСвоёНарушение) {
  Зерно посев(9);
  auto образец = Школа(10, 6, 6, 3);
  ASSERT_FALSE(Алгоритм_перестановок(*образец).неудача);
  ASSERT_TRUE(Нарушения(*образец).empty());
  EXPECT_EQ(Проверка_санитарных_запрещений(*образец).уроков, [&] {
    int n = 0;
    for (int c = 1; c <= 10; ++c) n += образец->Вектор_запрещений_у_классов(c);
    return n;
  }());
  // Hour of class c holding room r, and a free hour of c (no room, no prohibition).
  auto Час_помещения = [&](const тип_Главная_запись& з, int c) {
    for (int h = 1; h <= 36; ++h)
      if (з.Расписание_спецпомещений(c, h)) return h;
    return 0;
  };
  auto Свободный_час = [&](const тип_Главная_запись& з, int c, int урок) {
    for (int d = 1; d <= 6; ++d) {
      const int h = (d - 1) * 6 + урок;
      if (!з.Расписание_спецпомещений(c, h) && !з.Таблица_санитарных_запрещений(c, h)) return h;
    }
    return 0;
  };
  struct Порча {
    const char* ожидается;
    std::function<void(тип_Главная_запись&)> испортить;
  };
  const Порча kПорчи[] = {
      {"visits, its load is",
       [&](auto& з) { з.Расписание_спецпомещений(2, Час_помещения(з, 2)) = 0; }},
      {"is not one of the 3 special rooms",
       [&](auto& з) { з.Расписание_спецпомещений(2, Час_помещения(з, 2)) = 4; }},
      {"outside the school's week", [&](auto& з) { з.Расписание_спецпомещений(11, 1) = 1; }},
      {"also holds class",
       [&](auto& з) {
         const int h = Час_помещения(з, 1);
         for (int c = 2; c <= 10; ++c)
           if (!з.Расписание_спецпомещений(c, h) && !з.Таблица_санитарных_запрещений(c, h)) {
             з.Расписание_спецпомещений(c, h) = з.Расписание_спецпомещений(1, h);
             return;
           }
       }},
      {" times",
       [&](auto& з) {
         const int h = Час_помещения(з, 3);
         const int d = (h - 1) / 6;
         for (int l = 1; l <= 6; ++l)
           if (const int g = d * 6 + l; g != h && !з.Расписание_спецпомещений(3, g)) {
             з.Расписание_спецпомещений(3, g) = з.Расписание_спецпомещений(3, h);
             з.Таблица_санитарных_запрещений(3, g) = 0;
             return;
           }
       }},
      {"not at an end of the day",
       [&](auto& з) { з.Таблица_санитарных_запрещений(10, Свободный_час(з, 10, 3)) = 2; }},
      {"forbidden hours, its count is", [&](auto& з) { з.Вектор_запрещений_у_классов(10) += 1; }},
      {"a prohibition on a special-room lesson",
       [&](auto& з) { з.Таблица_санитарных_запрещений(4, Час_помещения(з, 4)) = 2; }},
      {"a main-timetable lesson in a special-room hour",
       [&](auto& з) {
         з.Готово_основное_расписание = true;
         з.Школьное_расписание(5, Час_помещения(з, 5)) = 1;
       }},
      {"a main-timetable lesson in a forbidden hour",
       [&](auto& з) {
         з.Готово_основное_расписание = true;
         for (int h = 1; h <= 36; ++h)
           if (з.Таблица_санитарных_запрещений(9, h)) з.Расписание_предметов(9, h) = 2;
       }},
  };
  for (const auto& п : kПорчи) {
    SCOPED_TRACE(п.ожидается);
    auto з = std::make_unique<тип_Главная_запись>(*образец);
    п.испортить(*з);
    const auto н = Нарушения(*з);
    ASSERT_FALSE(н.empty());
    bool есть = false;
    for (const auto& с : н) есть |= с.find(п.ожидается) != std::string::npos;
    EXPECT_TRUE(есть) << н.front();
  }
}

}  // namespace
}  // namespace korvella
