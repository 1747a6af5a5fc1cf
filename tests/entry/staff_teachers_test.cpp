#include "entry/staff_teachers.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "entry/staff_teachers_model.h"

namespace korvella {
namespace {

constexpr auto kОшибка = Диалоги_по_сценарию::Вид::Ошибка;

TEST(Предметники, need_rounds_lessons_over_18_half_to_even_and_is_at_least_one) {
  struct Случай {
    int часов, нужно;
  };
  for (const Случай с : {Случай{0, 1},
                         {5, 1},
                         {9, 1},
                         {10, 1},
                         {18, 1},
                         {26, 1},
                         {27, 2},
                         {28, 2},
                         {45, 2},
                         {46, 3},
                         {63, 4},
                         {81, 4},
                         {99, 6}})
    EXPECT_EQ(Потребность_в_предметниках(с.часов), с.нужно) << с.часов;
}

// A curriculum whose subject s has the given weekly lessons, spread over the classes.
std::unique_ptr<План_школы> План(const std::vector<int>& часов, int классов) {
  auto п = std::make_unique<План_школы>();
  п->Обнулить();
  for (std::size_t s = 0; s < часов.size(); ++s)
    for (int h = 0; h < часов[s]; ++h) (*п)(static_cast<int>(s) + 1, h % классов + 1) += 1;
  return п;
}

struct Итог_формирования {
  std::vector<int> потребность;
  int T, минимум, максимум;
};

Итог_формирования Сформировать(const std::vector<int>& часов, int классов, bool уменьшать = false,
                               bool до_максимума = false, int максимум = 0) {
  auto план = План(часов, классов);
  auto список = std::make_unique<Вектор<тип_Запись_преподавателя, kМаксимум_преподавателей>>();
  Вектор_потребности потребность{};
  int32 T = 0, минимум = 0, макс = максимум;
  const int S = static_cast<int>(часов.size());
  Формирование_списка_преподавателей_без_разделений(S, классов, уменьшать, до_максимума, *план,
                                                    *список, потребность, T, минимум, макс);
  Итог_формирования и{{}, T, минимум, макс};
  for (int s = 1; s <= S; ++s) и.потребность.push_back(потребность(s));
  EXPECT_EQ((*список)(1).ФИО.Текст(), "ШТ_Препод_01");
  if (T >= 10) {
    EXPECT_EQ((*список)(10).ФИО.Текст(), "ШТ_Препод_10");
  }
  return и;
}

TEST(Предметники, proposal_raises_the_needs_to_the_minimum_going_round_the_subjects) {
  struct Случай {
    const char* что;
    std::vector<int> часов;
    int классов;
    std::vector<int> потребность;
    int T, минимум, максимум;
  };
  const Случай случаи[] = {
      // Needs 4,3,3,3,2,2,2,2,2,1 = 24 < 29: the five largest (ties to the lower
      // number) gain one each.
      {"25 classes, 10 subjects",
       {72, 54, 54, 54, 36, 36, 36, 36, 36, 18},
       25,
       {5, 4, 4, 4, 3, 2, 2, 2, 2, 1},
       29,
       29,
       37},
      // The sum already meets the minimum: nothing is raised.
      {"needs above the minimum",
       {90, 90, 90, 90, 90, 90, 90, 90, 90},
       5,
       {5, 5, 5, 5, 5, 5, 5, 5, 5},
       45,
       9,
       46},
      // More subjects than C + C div 6: the minimum is S, already met by needs of 1.
      {"minimum is the number of subjects", std::vector<int>(12, 5), 6, std::vector<int>(12, 1), 12,
       12, 14},
  };
  for (const auto& с : случаи) {
    const auto и = Сформировать(с.часов, с.классов);
    EXPECT_EQ(и.потребность, с.потребность) << с.что;
    EXPECT_EQ(и.T, с.T) << с.что;
    EXPECT_EQ(и.минимум, с.минимум) << с.что;
    EXPECT_EQ(и.максимум, с.максимум) << с.что;
  }
}

TEST(Предметники, balancing_rounds_mark_each_subject_once) {
  // Ten needs of 1 and C = 28: minimum 32, so 22 raises: two full rounds
  // (every subject twice) and then subjects 1 and 2 a third time.
  const auto и = Сформировать(std::vector<int>(10, 18), 28);
  EXPECT_EQ(и.минимум, 32);
  EXPECT_EQ(и.T, 32);
  EXPECT_EQ(и.потребность, (std::vector<int>{4, 4, 3, 3, 3, 3, 3, 3, 3, 3}));
  EXPECT_EQ(и.максимум, 9 + 32);
}

TEST(Предметники, the_flags_lower_to_the_minimum_or_raise_to_the_stored_maximum) {
  // Needs 5 x 9 = 45 over a minimum of 9.
  const std::vector<int> часов(9, 90);
  const auto вниз = Сформировать(часов, 5, true, false);
  EXPECT_EQ(вниз.T, 9);
  EXPECT_EQ(вниз.потребность, std::vector<int>(9, 1));
  const auto вверх = Сформировать(часов, 5, false, true, 47);
  EXPECT_EQ(вверх.T, 47);
  EXPECT_EQ(вверх.потребность, (std::vector<int>{6, 6, 5, 5, 5, 5, 5, 5, 5}));
  EXPECT_EQ(вверх.максимум, 1 + 47);
}

TEST(Предметники, recount_adapts_the_needs_to_a_new_teacher_count) {
  struct Случай {
    const char* что;
    std::vector<int> до;
    int T;
    std::vector<int> после;
  };
  const Случай случаи[] = {
      {"29 -> 31: the two largest gain one",
       {5, 4, 4, 4, 3, 2, 2, 2, 2, 1},
       31,
       {6, 5, 4, 4, 3, 2, 2, 2, 2, 1}},
      {"29 -> 27: the two largest lose one",
       {5, 4, 4, 4, 3, 2, 2, 2, 2, 1},
       27,
       {4, 3, 4, 4, 3, 2, 2, 2, 2, 1}},
      // Lowering never leaves a subject without a teacher: the subjects with one
      // teacher are passed over and the round starts again.
      {"lowering keeps one teacher a subject",
       {4, 2, 2, 2, 1, 1, 1, 1, 1, 1},
       11,
       {2, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"down to one teacher each", {3, 3, 3, 3, 3, 3, 3, 3, 3}, 9, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
      // A subject left with no teacher (an older record) qualifies once no
      // unmarked subject has a positive need.
      {"a zero need is raised when no unmarked need is positive", {2, 0, 1}, 6, {3, 1, 2}},
      {"unchanged", {2, 2, 1}, 5, {2, 2, 1}},
  };
  for (const auto& с : случаи) {
    Вектор_потребности п{};
    for (std::size_t s = 0; s < с.до.size(); ++s) п(static_cast<int>(s) + 1) = с.до[s];
    Пересчет_вектора_предметников(static_cast<int>(с.до.size()), с.T, п);
    std::vector<int> после;
    for (std::size_t s = 0; s < с.до.size(); ++s) после.push_back(п(static_cast<int>(s) + 1));
    EXPECT_EQ(после, с.после) << с.что;
  }
}

TEST(Предметники, lowering_below_one_teacher_a_subject_stops_instead_of_looping) {
  Вектор_потребности п{};
  for (int s = 1; s <= 9; ++s) п(s) = 1;
  Пересчет_вектора_предметников(9, 5, п);
  for (int s = 1; s <= 9; ++s) EXPECT_EQ(п(s), 1);
}

struct Шаг_преподавателей : ::testing::Test {
  void SetUp() override {
    Обнулить_запись(*з);
    з->Количество_классов_в_школе = 25;
    з->Число_предметов_без_разделений_изучаемых_в_школе = 10;
    const int часов[10] = {72, 54, 54, 54, 36, 36, 36, 36, 36, 18};
    for (int s = 1; s <= 10; ++s)
      for (int h = 0; h < часов[s - 1]; ++h) з->Массив_учебного_плана_школы(s, h % 25 + 1) += 1;
    з->Последняя_показанная_форма = 24;
    модель = std::make_unique<Модель_списка_преподавателей>(среда);
    модель->Активировать();
  }

  bool Продолжить_с(const std::string& поле,
                    const std::vector<std::pair<int, std::string>>& имена) {
    модель->Установить_поле_количества(поле);
    модель->Ввод_количества();
    for (const auto& [строка, имя] : имена) модель->Изменить_имя(строка, имя);
    return модель->Продолжить();
  }

  std::unique_ptr<тип_Главная_запись> з = std::make_unique<тип_Главная_запись>();
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*з, диалоги, оболочка};
  std::unique_ptr<Модель_списка_преподавателей> модель;
};

TEST_F(Шаг_преподавателей, first_activation_proposes_the_staff_and_its_bounds) {
  EXPECT_EQ(з->Количество_шатных_преподавателей, 29);
  EXPECT_EQ(з->Минимальное_количество_преподавателей, 29);
  EXPECT_EQ(з->Максимальное_количество_преподавателей, 37);
  EXPECT_EQ(модель->Надпись_количества(), "Количество преподавателей (от 29 до 37):");
  EXPECT_EQ(модель->Поле_количества(), "29");
  EXPECT_EQ(модель->Строк(), 30);
  EXPECT_EQ(модель->Ячейка(0, 1), "       ФИО преподавателя");
  EXPECT_EQ(модель->Ячейка(12, 0), " 12");
  EXPECT_EQ(модель->Ячейка(29, 1), "ШТ_Препод_29");
  EXPECT_EQ(модель->Заголовок(), "Список преподавателей (25)");

  // Passed once, the step keeps what the user made of it.
  EXPECT_TRUE(Продолжить_с("31", {{30, "Иванов И.И."}, {31, "Петров П.П."}}));
  Модель_списка_преподавателей снова(среда);
  снова.Активировать();
  EXPECT_EQ(снова.Строк(), 32);
  EXPECT_EQ(снова.Ячейка(31, 1), "Петров П.П.");
}

TEST_F(Шаг_преподавателей, continue_with_more_teachers_gives_them_to_the_largest_needs) {
  EXPECT_TRUE(Продолжить_с("31", {{30, "Иванов И.И."}, {31, "Петров П.П."}}));
  EXPECT_EQ(з->Количество_шатных_преподавателей, 31);
  EXPECT_EQ(з->Список_преподавателей(31).ФИО.Текст(), "Петров П.П.");
  const int ожидается[10] = {6, 5, 4, 4, 3, 2, 2, 2, 2, 1};
  for (int s = 1; s <= 10; ++s)
    EXPECT_EQ(з->Вектор_потребности_в_предметниках(s), ожидается[s - 1]) << s;
}

TEST_F(Шаг_преподавателей, enter_in_the_count_keeps_it_within_its_bounds) {
  struct Случай {
    const char* поле;
    const char* исправлено;
    const char* ошибка;
  };
  const Случай случаи[] = {
      {"30", "30", nullptr},
      {"28", "29", "\nКоличество преподавателей не может быть меньше = 29."},
      {"38", "37", "\nКоличество преподавателей не может быть больше = 37."},
  };
  for (const auto& с : случаи) {
    const std::size_t ошибок = диалоги.Тексты(kОшибка).size();
    модель->Установить_поле_количества(с.поле);
    EXPECT_EQ(модель->Ввод_количества(), с.ошибка ? Модель_списка_преподавателей::kПоле
                                                  : Модель_списка_преподавателей::kТаблица);
    EXPECT_EQ(модель->Поле_количества(), с.исправлено);
    EXPECT_EQ(модель->Строк() - 1, std::stoi(с.исправлено));
    if (с.ошибка)
      EXPECT_EQ(диалоги.Тексты(kОшибка).back(), с.ошибка);
    else
      EXPECT_EQ(диалоги.Тексты(kОшибка).size(), ошибок);
  }
}

TEST_F(Шаг_преподавателей, continue_checks_the_count_then_the_names_in_order) {
  з->Флаг_задачи_спецпомещений = true;
  з->Количество_спецпреподавателей = 1;
  з->Список_спецпреподавателей(1).ФИО = "Сидоров С.С.";
  з->Флаг_задачи_совместителей = true;
  з->Количество_совместителей_в_школе = 2;
  з->Список_совместителей(2).ФИО = "Кузнецова А.А.";
  з->Флаг_задачи_разделений = true;
  з->Общее_количество_преподавателей_с_разделениями = 3;
  з->Список_преподавателей_с_разделениями(3).ФИО = "Смирнов В.В.";
  struct Случай {
    std::string поле;
    std::vector<std::pair<int, std::string>> имена;
    std::string ошибка;
  };
  const Случай случаи[] = {
      {"", {}, "\nПоле ввода \"Количество преподавателей\" не может быть пустым."},
      {"29", {{3, "  "}}, "\n\"ФИО преподавателя\" под номером = 3 не может быть пустым."},
      {"29",
       {{3, "Константинопольская А.Б."}},
       "\nКоличество символов \"ФИО преподавателя\" в строке под номером = 3 не может "
       "превышать значения = 23."},
      {"29",
       {{3, "Иванов"}, {8, "Иванов "}, {20, "Петров"}, {21, "Петров"}},
       "\nНекоторые \"ФИО преподавателя\" явяются одинаковыми. Это не допустимо."},
      // The special-room teachers count only once their timetable exists.
      {"29", {{5, "Сидоров С.С."}}, ""},
      {"29",
       {{5, "ШТ_Препод_05"}, {6, "Кузнецова  А.А."}},
       "\n\"ФИО преподавателя\" под номером = 6 не может совпадать с \"Кузнецова А.А.\" для ФИО "
       "совместителя."},
      {"29",
       {{6, "ШТ_Препод_06"}, {7, "Смирнов В.В."}},
       "\n\"ФИО преподавателя\" под номером = 7 не может совпадать с \"Смирнов В.В.\" для "
       "преподавателей классов с разделением на группы."},
  };
  for (const auto& с : случаи) {
    const bool ожидается = с.ошибка.empty();
    EXPECT_EQ(Продолжить_с(с.поле, с.имена), ожидается) << с.ошибка;
    if (ожидается) {
      модель->Активировать();
      continue;
    }
    EXPECT_EQ(диалоги.Тексты(kОшибка).back(), с.ошибка);
    for (const auto& [строка, имя] : с.имена)
      модель->Изменить_имя(строка, "ШТ_Препод_" + std::to_string(строка));
  }
  // The later row of the last equal pair found.
  Продолжить_с("29", {{3, "Иванов"}, {8, "Иванов "}, {20, "Петров"}, {21, "Петров"}});
  EXPECT_EQ(модель->Последний_отказ()->строка, 21);

  з->Готово_расписание_спецпреподавателей = true;
  EXPECT_FALSE(Продолжить_с("29", {{3, "ШТ_Препод_03"},
                                   {8, "ШТ_Препод_08"},
                                   {20, "ШТ_Препод_20"},
                                   {21, "ШТ_Препод_21"},
                                   {5, "Сидоров С.С."}}));
  EXPECT_EQ(диалоги.Тексты(kОшибка).back(),
            "\n\"ФИО преподавателя\" под номером = 5 не может совпадать с \"Сидоров С.С.\" ФИО "
            "преподавателя для спецпомещений.");
  EXPECT_EQ(модель->Последний_отказ()->строка, 5);
}

TEST_F(Шаг_преподавателей, continue_refuses_counts_outside_the_bounds_and_corrects_them) {
  // A count typed without Enter reaches "Продолжить" unchecked.
  модель->Установить_поле_количества("28");
  EXPECT_FALSE(модель->Продолжить());
  EXPECT_EQ(диалоги.Тексты(kОшибка).back(),
            "\nЗначение в поле ввода \"Количество преподавателей\" не равно количеству строк в "
            "талице с ФИО преподавателей.");
  з->Минимальное_количество_преподавателей = 30;
  модель->Установить_поле_количества("29");
  EXPECT_FALSE(модель->Продолжить());
  EXPECT_EQ(диалоги.Тексты(kОшибка).back(),
            "\nКоличество преподавателей не может быть меньше минимального значения = 30.");
  EXPECT_EQ(модель->Поле_количества(), "30");
  EXPECT_EQ(модель->Строк(), 31);
  з->Максимальное_количество_преподавателей = 29;
  EXPECT_FALSE(модель->Продолжить());
  EXPECT_EQ(диалоги.Тексты(kОшибка).back(),
            "\nКоличество преподавателей не может быть больше максимального значения = 29.");
  EXPECT_EQ(модель->Строк(), 30);
}

TEST_F(Шаг_преподавателей, finish_stores_the_typed_count_and_names_without_checks) {
  модель->Установить_поле_количества("45");
  модель->Изменить_имя(1, "");
  модель->Закончить();
  EXPECT_FALSE(з->Флаг_продолжения);
  EXPECT_EQ(з->Количество_шатных_преподавателей, 45);
  EXPECT_EQ(з->Список_преподавателей(1).ФИО.Текст(), "");
  EXPECT_EQ(модель->Строк(), 46);
  // The needs follow the count only through "Продолжить".
  EXPECT_EQ(з->Вектор_потребности_в_предметниках(1), 5);
}

}  // namespace
}  // namespace korvella
