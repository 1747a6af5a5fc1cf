// The windows of steps 14–17 on the offscreen platform, driven as a user would:
// keys into the edits and grids, the class dialog, the buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "auxiliary/windows/stream_count_window.h"
#include "auxiliary/windows/stream_forming_window.h"
#include "auxiliary/windows/stream_load_window.h"
#include "auxiliary/windows/streams_timetable_window.h"
#include "tests/entry/step_fixture.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using test::Дождаться;
using test::Модально;
using testing::Стенд;

class Окна_потоков : public ::testing::Test {
 protected:
  Окна_потоков() {
    с.Школа(12, 5, 6, 6, {2, 3, 3, 2, 2});
    с.запись().Флаг_задачи_потоков = true;
    с.запись().Последняя_показанная_форма = 13;
  }
  Стенд с;
};

TEST_F(Окна_потоков, Шаг_14_ПолеПотоковДвеЦифрыИОтказСФокусом) {
  TФорма_количество_старших_параллелей_объединяемых_в_потоки окно(с.среда);
  Модально(окно, [&] {
    QLineEdit* параллели = окно.Поле_ввода_количества_объединяемых();
    QLineEdit* потоки = окно.Поле_ввода_количества_потоков();
    параллели->setFocus();
    QTest::keyClick(параллели, Qt::Key_Backspace);
    QTest::keyClicks(параллели, "42");  // 4 is swallowed; 2 + 3 classes
    EXPECT_EQ(параллели->text(), "2");
    EXPECT_EQ(окно.Надпись_количества_потоков()->text(), "Количество потоков в школе (от 3 до 5):");
    потоки->setFocus();
    потоки->selectAll();
    QTest::keyClicks(потоки, "x123");
    EXPECT_EQ(потоки->text(), "12");
    окно.Кнопка_продолжить()->click();
    EXPECT_TRUE(окно.isVisible());
    EXPECT_EQ(окно.focusWidget(), потоки);
    QTest::keyClicks(потоки, "4");  // the refused count came back selected
    EXPECT_EQ(потоки->text(), "4");
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_EQ(с.Ошибки(),
            std::vector<std::string>{"\nВведенное количество потоков больше максимального."});
  EXPECT_EQ(с.запись().Количество_потоков_в_школе, 4);
  EXPECT_TRUE(с.запись().Флаг_продолжения);
}

TEST_F(Окна_потоков, Шаг_15_КлассПереносятДиалогомИзПотокаВПоток) {
  TФорма_количество_старших_параллелей_объединяемых_в_потоки шаг_14(с.среда);
  Модально(шаг_14, [&] {
    шаг_14.Поле_ввода_количества_объединяемых()->setText("");
    QTest::keyClicks(шаг_14.Поле_ввода_количества_объединяемых(), "2");
    шаг_14.Поле_ввода_количества_потоков()->selectAll();
    QTest::keyClicks(шаг_14.Поле_ввода_количества_потоков(), "3");
    шаг_14.Кнопка_продолжить()->click();
  });
  auto& з = с.запись();
  TФорма_формирование_потоков окно(с.среда);
  Модально(окно, [&] {
    QTableWidget* т = окно.Таблица_формирования_потоков();
    ASSERT_EQ(т->rowCount(), 3);
    EXPECT_EQ(т->item(0, 3)->text(), "9-2");
    // Enter on stream 3's second cell: class 2 is in stream 1 and is refused.
    QListWidget* список = окно.Выбор_класса()->Список_старших_классов();
    bool открыт_после_отказа = false;
    QPoint где;
    QTimer::singleShot(0, [&] {
      где = окно.Выбор_класса()->pos();
      список->setCurrentRow(2);
      QTest::keyClick(список, Qt::Key_Return);
      открыт_после_отказа = окно.Выбор_класса()->isVisible();
      QTest::keyClick(список, Qt::Key_Escape);
    });
    т->setFocus();
    т->setCurrentCell(2, 3);
    QTest::keyClick(т, Qt::Key_Return);
    EXPECT_TRUE(открыт_после_отказа);
    EXPECT_EQ(где, окно.pos() + QPoint(443, -150));
    // Out of stream 1 with the first item, into stream 3 by a double click.
    QTimer::singleShot(0, [&] {
      список->setCurrentRow(0);
      окно.Выбор_класса()->Кнопка_выбрать()->click();
    });
    окно.Выбрать_класс(0, 3);
    EXPECT_EQ(т->item(0, 3)->text(), "");
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(список->item(2)->text().startsWith(" [       ]"));
      список->setCurrentRow(2);
      окно.Выбор_класса()->Выбрать();
    });
    окно.Выбрать_класс(2, 3);
    EXPECT_EQ(т->item(2, 3)->text(), "9-2");
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_EQ(с.Ошибки(),
            std::vector<std::string>{"\nЭтот класс уже включен в таблицу формирования протоков."});
  EXPECT_TRUE(з.Флаг_продолжения);
  EXPECT_EQ(з.Таблица_потоков(1, 2), 0);
  EXPECT_EQ(з.Таблица_потоков(3, 2), 2);
}

TEST_F(Окна_потоков, Шаг_15_РедакторНазванияНеДлиннее25Знаков) {
  auto& з = с.запись();
  з.Последняя_показанная_форма = 15;  // shows what the record holds
  з.Количество_классов_потоковых_параллелей = 2;
  з.Количество_потоков_в_школе = 1;
  з.Таблица_потоков(1, 1) = 1;
  з.Список_потоков(1) = "Поток";
  TФорма_формирование_потоков окно(с.среда);
  Модально(окно, [&] {
    [&] {
      QTableWidget* т = окно.Таблица_формирования_потоков();
      т->setCurrentCell(0, 1);
      т->editItem(т->item(0, 1));
      auto* редактор = qobject_cast<QLineEdit*>(т->indexWidget(т->model()->index(0, 1)));
      ASSERT_NE(редактор, nullptr);
      редактор->selectAll();
      // Cyrillic letters, which keyClicks cannot type.
      for (int i = 0; i < 30; ++i)
        QTest::sendKeyEvent(QTest::Click, редактор, Qt::Key_unknown, QString(QChar(u'ж')),
                            Qt::NoModifier);
      EXPECT_EQ(редактор->text(), QString(25, QChar(u'ж')));
    }();
    окно.Кнопка_закончить()->click();
  });
}

TEST_F(Окна_потоков, Шаг_16_КлавишиВТаблицеНагрузок) {
  auto& з = с.запись();
  з.Последняя_показанная_форма = 15;
  з.Количество_потоков_в_школе = 2;
  з.Список_потоков(1) = "Алгебра";
  з.Список_потоков(2) = "Физика";
  TФорма_формирование_нагрузки_потоков окно(с.среда);
  Модально(окно, [&] {
    QTableWidget* т = окно.Таблица_нагрузки_потоков();
    EXPECT_EQ(т->item(1, 1)->text(), "Физика");
    т->setFocus();
    т->setCurrentCell(1, 2);
    QTest::keyClicks(т, "4a2");
    EXPECT_EQ(т->item(1, 2)->text(), "2");
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_EQ(з.Вектор_нагрузки_для_протоков(2), 2);
  EXPECT_EQ(з.Суммарная_потоковая_нагрузка, з.Вектор_нагрузки_для_протоков(1) + 2);
}

// One stream of classes 1 and 2 with two lessons; class 1 is free in `свободные` only.
void Один_поток(тип_Главная_запись& з, std::initializer_list<int> свободные) {
  з.Последняя_показанная_форма = 16;
  з.Количество_классов_потоковых_параллелей = 2;
  з.Количество_потоков_в_школе = 1;
  з.Список_потоков(1) = "Алгебра";
  з.Таблица_потоков(1, 1) = 1;
  з.Таблица_потоков(1, 2) = 2;
  з.Вектор_нагрузки_для_протоков(1) = 2;
  з.Суммарная_потоковая_нагрузка = 2;
  for (int h = 1; h <= 36; ++h) з.Таблица_санитарных_запрещений(1, h) = 2;
  for (int h : свободные) з.Таблица_санитарных_запрещений(1, h) = 0;
}

TEST_F(Окна_потоков, Шаг_17_ГотовоОбновляетВкладкуКлассов) {
  Один_поток(с.запись(), {3, 10});
  TФорма_расписание_для_потоков окно(с.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.Надпись_на_форме()->text(),
              "Все исходные данные для расчета расписания потоков сформированы. Рачитать?");
    EXPECT_FALSE(окно.Кнопка_продолжить()->isVisible());
    окно.Кнопка_рассчитать()->click();
    ASSERT_TRUE(Дождаться([&] { return окно.Кнопка_продолжить()->isVisible(); }));
    EXPECT_EQ(окно.Надпись_на_форме()->text(), "Готово ...");
    EXPECT_TRUE(окно.Картинка()->isVisible());
    EXPECT_FALSE(окно.Кнопка_рассчитать()->isVisible());
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(с.запись().Готово_расписание_потоков);
  EXPECT_EQ(с.запись().Расписание_для_потоков(2, 10), 1);
  const auto& слои = с.оболочка.слои;
  EXPECT_NE(std::find(слои.begin(), слои.end(), Слой_вкладки_классов::Потоки), слои.end());
}

TEST_F(Окна_потоков, Шаг_17_НеудачаОднойСтрокой) {
  Один_поток(с.запись(), {3});
  TФорма_расписание_для_потоков окно(с.среда);
  Модально(окно, [&] {
    окно.Кнопка_рассчитать()->click();
    ASSERT_TRUE(Дождаться([&] { return окно.Кнопка_продолжить()->isVisible(); }));
    EXPECT_EQ(окно.Надпись_на_форме()->text(),
              "При таких ограничениях решение задачи  с потоками не существует.");
    EXPECT_EQ(окно.Вторая_надпись()->text(), "");
    EXPECT_FALSE(окно.Кнопка_рассчитать()->isVisible());
    EXPECT_FALSE(окно.Картинка()->isVisible());
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_FALSE(с.запись().Готово_расписание_потоков);
  EXPECT_TRUE(с.запись().Флаг_продолжения);
}

}  // namespace
}  // namespace korvella
