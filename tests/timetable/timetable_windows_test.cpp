// The windows of steps 28 and 29 on the offscreen platform, driven as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "core/random.h"
#include "fixture_school.h"
#include "timetable/windows/first_lesson_bans_window.h"
#include "timetable/windows/main_timetable_window.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using test::Модально;

// Lets the event loop run until the condition holds; a hang fails the test.
void Ждать(const std::function<bool()>& условие) { ASSERT_TRUE(test::Дождаться(условие)); }

std::string Текст(QLabel* надпись) { return надпись->text().toStdString(); }

struct Среда_окна {
  std::unique_ptr<тип_Главная_запись> з;
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда;
  explicit Среда_окна(std::unique_ptr<тип_Главная_запись> запись)
      : з(std::move(запись)), среда{*з, диалоги, оболочка} {
    з->Последняя_показанная_форма = 28;
  }
};

TEST(Окно_шага_29, расчёт_до_готовности) {
  Среда_окна с(тест::Школа_из_недели(6, 6, 8, 16, 0.2, 3));
  Установить_главное_зерно(5);
  TФорма_расчета_без_разделений окно(с.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.windowTitle().toStdString(),
              "Построение расписания для классов без разделения на группы (29)");
    EXPECT_EQ(Текст(окно.Надпись_на_форме()),
              "Все исходные данные для расчета расписания классов без разделения на группы "
              "сформированы. Рачитать?");
    EXPECT_TRUE(окно.Кнопка_рассчитать()->isEnabled());
    EXPECT_FALSE(окно.Кнопка_остановить()->isEnabled());
    EXPECT_FALSE(окно.Кнопка_продолжить()->isVisible());
    окно.Нажать_рассчитать();
    Ждать([&] { return !окно.Идёт_расчёт(); });
    EXPECT_EQ(Текст(окно.Надпись_на_форме()), "Готово ...");
    EXPECT_TRUE(окно.Картинка()->isVisible());
    EXPECT_FALSE(окно.Кнопка_рассчитать()->isVisible());
    EXPECT_TRUE(окно.Кнопка_закончить()->isEnabled());
    окно.Нажать_закончить();
  });
  EXPECT_TRUE(с.з->Готово_основное_расписание);
  EXPECT_FALSE(с.з->Флаг_продолжения);
  Снять_главное_зерно();
}

TEST(Окно_шага_29, остановка_и_отказ_закрыться_во_время_расчёта) {
  Среда_окна с(тест::Школа_с_перегруженными_учителями(28));  // no week exists
  TФорма_расчета_без_разделений окно(с.среда);
  Модально(окно, [&] {
    окно.Нажать_рассчитать();
    EXPECT_TRUE(окно.Идёт_расчёт());
    EXPECT_FALSE(окно.Кнопка_закончить()->isEnabled());
    EXPECT_TRUE(окно.Кнопка_остановить()->isEnabled());
    // The stopwatch ticks and the label shows the counters.
    Ждать([&] {
      return !окно.Идёт_расчёт() ||
             Текст(окно.Надпись_на_форме()).starts_with("Идет расчет расписания, придется подожнать... ");
    });
    ASSERT_TRUE(окно.Идёт_расчёт());
    EXPECT_TRUE(окно.Надпись_секундомер()->isVisible());
    окно.reject();  // the close box
    EXPECT_TRUE(окно.isVisible());
    окно.Нажать_закончить();
    EXPECT_TRUE(окно.isVisible());
    окно.Кнопка_остановить()->click();
    Ждать([&] { return !окно.Идёт_расчёт(); });
    EXPECT_EQ(Текст(окно.Надпись_на_форме()),
              "Расчет остановлен! Возможно при таких ограничениях решение задачи может и не "
              "существовать.");
    EXPECT_EQ(Текст(окно.Вторая_надпись()),
              "Попробуйте решить задачу с другими ограничениями. Или все-таки дождитесь "
              "окончания расчета ...");
    EXPECT_FALSE(окно.Картинка()->isVisible());
    окно.reject();
  });
  EXPECT_FALSE(окно.isVisible());
  EXPECT_FALSE(с.з->Готово_основное_расписание);
}

TEST(Окно_шага_28, двойной_щелчок_и_Enter_по_ячейке_запрета) {
  Среда_окна с(тест::Ровная_школа(6, 6, 2, 12, 2, 3));
  с.з->Последняя_показанная_форма = 27;
  TФорма_запреты_на_первый_урок окно(с.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.Надпись()->text().toStdString(), "Максимум запретов на первый урок = 1");
    ASSERT_EQ(окно.Таблица()->rowCount(), 12);
    EXPECT_EQ(окно.Таблица()->item(2, 1)->text().toStdString(), "Учитель 3");
    с.диалоги.Ответить(true);
    окно.Переключить(2);
    EXPECT_EQ(окно.Таблица()->item(2, 2)->background().color(), QColor(0xF3, 0xB0, 0xCF));
    // Enter on a second teacher: over the maximum, refused.
    окно.Таблица()->setCurrentCell(4, 2);
    с.диалоги.Ответить(true);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(окно.Таблица(), &enter);
    EXPECT_EQ(окно.Таблица()->item(4, 2)->background().color(), QColor(96, 129, 20));
    EXPECT_EQ(с.диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка).size(), 1u);
    окно.Нажать_продолжить();
  });
  EXPECT_EQ(с.з->Вектор_штатных_отказников_школы_от_первого_урока(3), 1);
  EXPECT_TRUE(с.з->Флаг_продолжения);
}

}  // namespace
}  // namespace korvella
