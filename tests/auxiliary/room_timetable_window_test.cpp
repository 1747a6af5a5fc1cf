// Step 8's window on the offscreen platform: the question, the busy state that
// refuses to close, and both outcomes as the user sees them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <functional>

#include "auxiliary/windows/room_timetable_window.h"
#include "tests/auxiliary/room_school_fixture.h"
#include "tests/entry/step_fixture.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using test::Модально;
using testing::Стенд;

void Ждать(const std::function<bool()>& условие) { ASSERT_TRUE(test::Дождаться(условие)); }

std::string Текст(QLabel* надпись) { return надпись->text().toStdString(); }

TEST(Окно_шага_8, РасчётДоГотовности) {
  Стенд с;
  testing::Школа_со_спецпомещениями(с.запись(), 20, 6, 6, 4);
  TФорма_расписание_спецпомещений окно(с.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.windowTitle().toStdString(), "Расчет рписания для специальных помещений (8)");
    EXPECT_EQ(Текст(окно.Надпись_на_форме()),
              "Все исходные данные для расчета расписания со специальными помещениями "
              "сформированы.");
    EXPECT_EQ(Текст(окно.Вторая_надпись()),
              "Все готово для формирования санитарных ограничений классов. Раccчитать?");
    EXPECT_TRUE(окно.Кнопка_рассчитать()->isVisible());
    EXPECT_FALSE(окно.Кнопка_продолжить()->isVisible());
    EXPECT_FALSE(окно.Картинка()->isVisible());
    окно.Нажать_рассчитать();
    Ждать([&] { return !окно.Идёт_расчёт(); });
    EXPECT_EQ(Текст(окно.Надпись_на_форме()), "Готово ...");
    EXPECT_EQ(Текст(окно.Вторая_надпись()), "");
    EXPECT_TRUE(окно.Картинка()->isVisible());
    EXPECT_FALSE(окно.Кнопка_рассчитать()->isVisible());
    EXPECT_TRUE(окно.Кнопка_продолжить()->isVisible());
    EXPECT_TRUE(окно.Кнопка_продолжить()->hasFocus());
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(с.запись().Флаг_продолжения);
  EXPECT_TRUE(с.запись().Готово_расписание_спецпомещений);
  // The class tab got the sanitary and the special-room layers.
  const auto& слои = с.оболочка.слои;
  EXPECT_NE(std::find(слои.begin(), слои.end(), Слой_вкладки_классов::Санитарный), слои.end());
  EXPECT_NE(std::find(слои.begin(), слои.end(), Слой_вкладки_классов::Спецпомещения), слои.end());
}

TEST(Окно_шага_8, ЗанятоеОкноНеЗакрываетсяАНеудачаДаётПродолжить) {
  Стенд с;
  testing::Школа_со_спецпомещениями(с.запись(), 6, 6, 6, 1, {25});  // no week exists
  TФорма_расписание_спецпомещений окно(с.среда);
  Модально(окно, [&] {
    окно.Нажать_рассчитать();
    ASSERT_TRUE(окно.Идёт_расчёт());
    EXPECT_FALSE(окно.Кнопка_рассчитать()->isEnabled());
    EXPECT_FALSE(окно.Кнопка_закончить()->isEnabled());
    EXPECT_EQ(Текст(окно.Надпись_на_форме()), "Идет расчет расписания, придется подожнать ...");
    EXPECT_EQ(Текст(окно.Вторая_надпись()), "");
    окно.reject();  // the close box
    EXPECT_TRUE(окно.isVisible());
    Ждать([&] { return !окно.Идёт_расчёт(); });
    EXPECT_EQ(Текст(окно.Надпись_на_форме()),
              "Одновременное решение задачи для специальных помещений и санитарных ограничений "
              "не удалось получить.");
    EXPECT_EQ(Текст(окно.Вторая_надпись()),
              "Дальнейшее составление расписания может быть продолжено без этих помещений и "
              "санитарных ограничений.");
    EXPECT_FALSE(окно.Картинка()->isVisible());
    EXPECT_TRUE(окно.Кнопка_продолжить()->isVisible());
    EXPECT_TRUE(окно.Кнопка_закончить()->isEnabled());
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_FALSE(окно.isVisible());
  EXPECT_TRUE(с.запись().Флаг_продолжения);
  EXPECT_FALSE(с.запись().Готово_расписание_спецпомещений);
}

}  // namespace
}  // namespace korvella
