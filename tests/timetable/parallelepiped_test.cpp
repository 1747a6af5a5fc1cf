#include "timetable/parallelepiped.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "fixture_school.h"

namespace korvella {
namespace {

using тест::Школа;

TEST(Формирование_параллелепипеда, ячейки_строк_нагрузки_по_порядку_куба) {
  const auto з = Школа(6, 6, 2, 3, 2,
                       {{2, 3, 4, 1}, {1, 1, 5, 2}, {1, 2, 3, 2}, {2, 1, 2, 1}});
  const auto п = тест::Параллелепипед_школы(*з);
  EXPECT_EQ(п.Количество(), 4);
  EXPECT_EQ(п(1, 2, 1), 5);
  EXPECT_EQ(п(1, 2, 2), 3);
  EXPECT_EQ(п(2, 1, 3), 4);
  EXPECT_EQ(п(2, 1, 1), 2);
  EXPECT_EQ(п(1, 1, 1), 0);
  EXPECT_EQ(п.Сумма(), 14);
  EXPECT_EQ(п.Сумма_преподавателя(2), 8);
  EXPECT_EQ(п.Наибольшая_ячейка_преподавателя(1), 4);
  // Class, then teacher, then subject: the cube's own order.
  const auto& я = п.Ячейки();
  ASSERT_EQ(п.Пары().size(), 2u);
  EXPECT_EQ(я[0].предмет, 1);
  EXPECT_EQ(я[1].предмет, 2);
  EXPECT_EQ(я[2].класс, 2);
  EXPECT_EQ(я[2].предмет, 1);
  EXPECT_EQ(п.Пары()[0].конец - п.Пары()[0].начало, 2);
}

std::string Текст_остановки(const тип_Главная_запись& з) {
  try {
    тест::Параллелепипед_школы(з);
  } catch (const Исключение_процедуры& e) {
    EXPECT_EQ(e.Имя(), "Формирование_параллелепипеда");
    return e.Текст();
  }
  return "";
}

TEST(Формирование_параллелепипеда, несогласованные_строки_останавливают_расчёт) {
  // Same class, teacher and subject twice: the later row overwrites, the sums differ.
  EXPECT_EQ(Текст_остановки(*Школа(6, 6, 1, 1, 1, {{1, 1, 2, 1}, {1, 1, 3, 1}})),
            "Модуль: Формирование_параллелепипеда; - Сумма_ячеек_параллеепипеда <> "
            "Сумма_нагрузки_по_таблице_нагрузок");
  // A row without hours leaves a zero cell: the sums agree, the count of cells does not.
  EXPECT_EQ(Текст_остановки(*Школа(6, 6, 1, 2, 1, {{1, 1, 2, 1}, {1, 2, 0, 1}})),
            "Модуль: Формирование_параллелепипеда; - Количество_ненулевых_ячеек <> "
            "Количество_учебных_нагрузок");
  // A row without a teacher lies outside the cube.
  EXPECT_NE(Текст_остановки(*Школа(6, 6, 1, 1, 1, {{1, 1, 2, 0}})).find("вне границ"),
            std::string::npos);
}

}  // namespace
}  // namespace korvella
