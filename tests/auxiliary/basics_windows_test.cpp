// The windows of steps 0–7 on the offscreen platform, driven as a user would:
// keys into the edits and grids, the buttons, and what stays on screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "auxiliary/special_rooms.h"
#include "auxiliary/windows/sanitary_window.h"
#include "auxiliary/windows/special_room_load_window.h"
#include "auxiliary/windows/year_group_load_window.h"
#include "entry/windows/base_parameters_window.h"
#include "entry/windows/class_list_window.h"
#include "entry/windows/task_list_window.h"
#include "tests/entry/step_fixture.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using test::Модально;

using testing::Стенд;

// processEvents returns at once when nothing is pending, so the wait must sleep
// between its looks: a calculation task on a loaded machine takes its time.
void Ждать(const std::function<bool()>& условие) { ASSERT_TRUE(test::Дождаться(условие)); }

class Окна_первых_шагов : public ::testing::Test {
 protected:
  Окна_первых_шагов() {}
  Стенд с;
};

TEST_F(Окна_первых_шагов, Шаг_0_ФлажкиПишутсяЩелчкомИЗакрытыБезАвтогенерации) {
  TФорма_список_решаемых_задач окно(с.среда);
  Модально(окно, [&] {
    EXPECT_FALSE(окно.Переключатель(0)->isEnabled());
    EXPECT_TRUE(окно.Переключатель(0)->isChecked());
    ASSERT_TRUE(окно.Переключатель(2)->isEnabled());
    окно.Переключатель(2)->click();
    EXPECT_TRUE(с.запись().Флаг_задачи_спецпомещений);  // at once, before "Продолжить"
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(с.запись().Флаг_продолжения);

  с.среда.режим_автогенерации = false;
  Модально(окно, [&] {
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(окно.Переключатель(i)->isEnabled()) << i;
    EXPECT_TRUE(окно.Переключатель(2)->isChecked());
    окно.Кнопка_закончить()->click();
  });
}

TEST_F(Окна_первых_шагов, Шаг_1_ПолеГлотаетБуквыИОтказОставляетОкноОткрытым) {
  TФорма_базовые_параметры окно(с.среда);
  bool открыто_после_отказа = false;
  Модально(окно, [&] {
    QLineEdit* поле = окно.Поле_ввода_количество_классов();
    EXPECT_EQ(поле->text(), "10");
    поле->setFocus();
    QTest::keyClick(поле, Qt::Key_Backspace);
    QTest::keyClick(поле, Qt::Key_Backspace);
    QTest::keyClicks(поле, "a3x");
    EXPECT_EQ(поле->text(), "3");
    окно.Кнопка_продолжить()->click();
    открыто_после_отказа = окно.isVisible();
    EXPECT_EQ(окно.focusWidget(), поле);
    // The refused count comes back selected, so typing replaces it.
    QTest::keyClicks(поле, "1z47");
    EXPECT_EQ(поле->text(), "14");  // two characters at most
    окно.Пункт_режима(Модель_базовые_параметры::kРежим_5х7)->click();
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(открыто_после_отказа);
  ASSERT_EQ(с.Ошибки().size(), 1u);
  EXPECT_EQ(с.Ошибки()[0], "\nКоличество классов должно быть от 5 до 28");
  EXPECT_EQ(с.запись().Количество_классов_в_школе, 14);
  EXPECT_EQ(с.запись().Количество_уроков_в_день, 7);
  EXPECT_TRUE(с.запись().Флаг_продолжения);
}

TEST_F(Окна_первых_шагов, Шаг_3_ОтказВыбираетЯчейкуСтроки) {
  с.запись().Последняя_показанная_форма = 2;
  с.запись().Количество_классов_в_школе = 6;
  с.запись().Количество_параллелей_в_школе = 5;
  с.запись().Номер_старшей_параллели = 9;
  TФорма_список_классов окно(с.среда);
  Модально(окно, [&] {
    QTableWidget* т = окно.Таблица_список_классов_с_параллелями();
    ASSERT_EQ(т->rowCount(), 6);
    EXPECT_EQ(т->item(0, 0)->text(), "  1");
    т->item(1, 2)->setText(" 3 ");  // as the cell editor would leave it: 1, 3, ...
    окно.Кнопка_продолжить()->click();
    EXPECT_TRUE(окно.isVisible());
    EXPECT_EQ(т->currentRow(), 1);
    EXPECT_EQ(т->currentColumn(), 2);
    EXPECT_EQ(т->item(1, 2)->text(), "3");  // trimmed by the check, shown trimmed
    окно.Кнопка_закончить()->click();
  });
  ASSERT_EQ(с.Ошибки().size(), 1u);
  EXPECT_EQ(с.запись().Таблица_классов(2).Параллель, 3);  // "Закончить" keeps what is typed
}

TEST_F(Окна_первых_шагов, Шаг_4_КлавишиВТаблицеИНадписьНагрузки) {
  с.Школа(10, 7, 6, 6, {2, 1, 2, 1, 2, 1, 1});
  с.запись().Последняя_показанная_форма = 3;
  TФорма_учебная_нагрузка_параллелей окно(с.среда);
  Модально(окно, [&] {
    QTableWidget* т = окно.Таблица_учебной_нагрузки_параллелей();
    EXPECT_EQ(т->item(0, 1)->text(), "36");
    т->setFocus();
    т->setCurrentCell(0, 1);
    QTest::keyClicks(т, "3q0");  // the first key replaces the cell, the letter is swallowed
    EXPECT_EQ(т->item(0, 1)->text(), "30");
    EXPECT_EQ(окно.Надпись_текущая_нагрузка_школы()->text(), "Текущая нагрузка школы = 351");
    QTest::keyClick(т, Qt::Key_Return);
    EXPECT_EQ(окно.Надпись_текущая_нагрузка_школы()->text(), "Текущая нагрузка школы = 339");
    EXPECT_TRUE(окно.isVisible());  // Enter stays in the grid
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_EQ(с.запись().Вектор_учебной_нагрузки_параллелей(1), 30);
  EXPECT_TRUE(с.запись().Флаг_продолжения);
}

TEST_F(Окна_первых_шагов, Шаг_5_СформироватьИлиТолькоОбъявление) {
  с.Школа(10, 7, 6, 6, {2, 1, 2, 1, 2, 1, 1});
  for (int p = 1; p <= 7; ++p) с.запись().Вектор_учебной_нагрузки_параллелей(p) = 33;
  TФорма_санитарные_ограничения окно(с.среда);
  Модально(окно, [&] {
    EXPECT_TRUE(окно.Кнопка_рассчитать()->isVisible());
    EXPECT_EQ(окно.Кнопка_рассчитать()->text(), "Сформировать");
    EXPECT_FALSE(окно.Кнопка_продолжить()->isVisible());
    окно.Кнопка_рассчитать()->click();
    Ждать([&] { return окно.Кнопка_продолжить()->isVisible(); });
    EXPECT_EQ(окно.Надпись_на_форме()->text(), "Готово ...");
    EXPECT_FALSE(окно.Кнопка_рассчитать()->isVisible());
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(с.запись().Готовы_санитарные_ограничения);
  EXPECT_EQ(с.запись().Таблица_санитарных_запрещений(1, 36), 2);

  с.запись().Флаг_задачи_спецпомещений = true;
  Модально(окно, [&] {
    EXPECT_FALSE(окно.Кнопка_рассчитать()->isVisible());
    EXPECT_TRUE(окно.Кнопка_продолжить()->isVisible());
    EXPECT_EQ(окно.Вторая_надпись()->text(),
              "ограничения будут сформированы совместно (одновременно) с ней.");
    окно.Кнопка_рассчитать()->click();  // if reached, it goes on
  });
  EXPECT_TRUE(с.запись().Флаг_продолжения);
  EXPECT_FALSE(с.запись().Готовы_санитарные_ограничения);
}

TEST_F(Окна_первых_шагов, Шаг_7_ДаНаВопросОФизкультуреБезОкнаОшибки) {
  с.Школа(10, 5, 6, 6, {2, 2, 2, 2, 2});
  auto& з = с.запись();
  з.Последняя_показанная_форма = 6;
  з.Количество_спецпомещений = 2;
  Создание_списка_спецпомещений(2, з.Список_спецпомещений);
  з.Список_спецпомещений(2).Номер_типа_помещения = 1;  // two gyms: 3 + 3 lessons of PE
  TФорма_нагрузка_классов_в_спецпомещениях окно(с.среда);
  с.диалоги.Ответить(true);
  Модально(окно, [&] {
    QTableWidget* т = окно.Таблица();
    EXPECT_EQ(т->columnCount(), 14);
    EXPECT_EQ(т->item(0, 3)->text(), "      30");
    окно.Кнопка_продолжить()->click();
    EXPECT_TRUE(окно.isVisible());
    EXPECT_EQ(т->currentRow(), 0);
    EXPECT_EQ(т->currentColumn(), 4);
    окно.Кнопка_закончить()->click();
  });
  EXPECT_EQ(с.диалоги.Тексты(Диалоги_по_сценарию::Вид::Вопрос).size(), 1u);
  EXPECT_TRUE(с.Ошибки().empty());

  с.среда.режим_автогенерации = false;
  Модально(окно, [&] {
    EXPECT_FALSE(окно.Кнопка_очистить()->isEnabled());
    EXPECT_FALSE(окно.Кнопка_физкультуры()->isEnabled());
    окно.Таблица()->setFocus();
    окно.Таблица()->setCurrentCell(0, 4);
    QTest::keyClicks(окно.Таблица(), "1");
    EXPECT_EQ(окно.Таблица()->item(0, 4)->text(), "3");  // read-only
    окно.Кнопка_закончить()->click();
  });
}

}  // namespace
}  // namespace korvella
