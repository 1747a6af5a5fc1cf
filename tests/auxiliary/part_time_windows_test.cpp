// The windows of steps 9–13 on the offscreen platform, driven as a user would:
// keys into the count edit and the grids, double clicks, Enter, the load
// dialog, the calculation, and what the grids paint.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "auxiliary/windows/part_time_bans_window.h"
#include "auxiliary/windows/part_time_calculation_window.h"
#include "auxiliary/windows/part_time_days_window.h"
#include "auxiliary/windows/part_time_list_window.h"
#include "auxiliary/windows/part_time_load_dialog_window.h"
#include "auxiliary/windows/part_time_load_window.h"
#include "tests/auxiliary/part_time_fixture.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using test::Модально;
using testing::Совместитель;
using testing::Стенд;
using testing::Уроки;
using testing::Школа_совместителей;

std::string Текст(const QTableWidget* т, int строка, int столбец) {
  const QTableWidgetItem* ячейка = т->item(строка, столбец);
  return ячейка ? ячейка->text().toStdString() : "";
}

// The colour the grid paints at a point of a cell: its middle, or the last
// pixel column of its right edge (where the current cell carries its mark).
QColor Цвет_на_экране(QTableWidget* т, int строка, int столбец, bool у_правого_края = false) {
  const QRect место = т->visualRect(т->model()->index(строка, столбец));
  const QImage картинка = т->viewport()->grab().toImage();
  const QPoint точка = у_правого_края ? QPoint(место.right() - 3, место.center().y())
                                      : QPoint(место.left() + 3, место.bottom() - 3);
  return картинка.pixelColor(точка * картинка.devicePixelRatio());
}

// Every heading and the caption are seen whole in the font the platform has.
void Заголовки_видны(QTableWidget* т) {
  const QFontMetrics метрики(т->horizontalHeader()->font());
  for (int с = 0; с < т->columnCount(); ++с)
    EXPECT_LT(метрики.horizontalAdvance(т->horizontalHeaderItem(с)->text()), т->columnWidth(с)) << с;
  QWidget* окно = т->window();
  QFont жирный = окно->font();
  жирный.setBold(true);
  EXPECT_LT(QFontMetrics(жирный).horizontalAdvance(окно->windowTitle()), окно->width());
}

void Enter(QWidget* где) {
  QKeyEvent нажатие(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(где, &нажатие);
}

TEST(Окно_шага_9, КоличествоСписокИОтказВЯчейке) {
  Стенд с;
  Школа_совместителей(с, 20, 6, 6, 0);
  с.запись().Последняя_показанная_форма = 8;
  TФорма_список_совместителей окно(с.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.windowTitle().toStdString(),
              "Формирование списка совместителей и их нагрузок (9)");
    QLineEdit* поле = окно.Поле_ввода_количества_совместителей();
    QTableWidget* т = окно.Таблица_списка_совместителей();
    EXPECT_EQ(т->horizontalHeaderItem(4)->text().toStdString(), "Первый день (примерно)");
    EXPECT_EQ(т->columnWidth(1), 155);
    Заголовки_видны(т);
    поле->setFocus();
    поле->selectAll();
    QTest::keyClicks(поле, "x4");  // the letter is swallowed
    EXPECT_EQ(поле->text(), "4");
    ASSERT_EQ(т->rowCount(), 4);
    EXPECT_EQ(Текст(т, 3, 0), "  4");
    EXPECT_EQ(Текст(т, 3, 1), "ФИО_совм. 4");
    т->item(2, 3)->setText("9");  // as the cell editor would leave it
    окно.Кнопка_продолжить()->click();
    EXPECT_TRUE(окно.isVisible());
    EXPECT_EQ(т->currentRow(), 2);
    EXPECT_EQ(т->currentColumn(), 3);
    окно.Кнопка_очистить()->click();
    EXPECT_EQ(Текст(т, 0, 1), "");
    EXPECT_EQ(Текст(т, 0, 3), "0");
    окно.Кнопка_закончить()->click();
  });
  ASSERT_EQ(с.Ошибки().size(), 1u);
  EXPECT_EQ(с.Ошибки()[0],
            "\nЗначение величины \"Нагрузка всего\" в строке 3 не может быть больше величины = 6.");
  EXPECT_EQ(с.запись().Количество_совместителей_в_школе, 4);
  EXPECT_FALSE(с.запись().Флаг_продолжения);
}

TEST(Окно_шага_10, ДвойнойЩелчокEnterИЦветаДней) {
  Стенд с;
  Школа_совместителей(с, 8, 5, 7, 2);
  Совместитель(с, 1, 3, 0, {});
  Совместитель(с, 2, 2, 1, {2, 3});
  с.запись().Последняя_показанная_форма = 10;
  TФорма_таблица_рабочих_дней_совместителей окно(с.среда);
  Модально(окно, [&] {
    QTableWidget* т = окно.Цветная_таблица_нерабочих_дней();
    ASSERT_EQ(т->columnCount(), 9);
    EXPECT_EQ(т->horizontalHeaderItem(8)->text().toStdString(), "Пятница");
    EXPECT_EQ(Текст(т, 1, 3), "   2");
    // The day columns share what the fixed columns leave.
    EXPECT_NEAR(т->columnWidth(4), т->columnWidth(8), 1);
    EXPECT_GT(т->columnWidth(4), 60);
    EXPECT_EQ(Цвет_на_экране(т, 1, 5), QColor(0x50, 0x81, 0x14));
    EXPECT_EQ(Цвет_на_экране(т, 1, 4), QColor(0xF3, 0xB0, 0xCF));
    // The current cell (row 1, Monday) carries the blue mark at its right edge.
    EXPECT_EQ(Цвет_на_экране(т, 0, 4, true), QColor(0, 0, 255));
    EXPECT_EQ(Цвет_на_экране(т, 1, 4, true), QColor(0xF3, 0xB0, 0xCF));
    т->setCurrentCell(1, 2);  // a fixed cell is never current
    EXPECT_EQ(т->currentColumn(), 4);
    т->setCurrentCell(0, 4);
    окно.Кнопка_продолжить()->click();  // part-timer 1 has no working day yet
    EXPECT_TRUE(окно.isVisible());
    EXPECT_EQ(т->currentRow(), 0);
    с.диалоги.Ответить(true);
    const QPoint среда_ячейки = т->visualRect(т->model()->index(0, 6)).center();
    QTest::mousePress(т->viewport(), Qt::LeftButton, {}, среда_ячейки);
    QTest::mouseDClick(т->viewport(), Qt::LeftButton, {}, среда_ячейки);
    EXPECT_EQ(Цвет_на_экране(т, 0, 6), QColor(0x50, 0x81, 0x14));
    т->setCurrentCell(0, 7);
    с.диалоги.Ответить(true);
    Enter(т);  // a second working day is one too many
    EXPECT_EQ(Цвет_на_экране(т, 0, 7), QColor(0xF3, 0xB0, 0xCF));
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_EQ(с.Ошибки().size(), 2u);
  EXPECT_EQ(с.Ошибки()[1],
            "\nПоставленное количество рабочих дней совместителя не может превышать допустимого "
            "(см. 4-й столбец).");
  EXPECT_EQ(с.запись().Таблица_нерабочих_дней_совместителей(1, 3), 0);
  EXPECT_TRUE(с.запись().Флаг_продолжения);
}

TEST(Окно_шага_11, EnterПоЯчейкеЗапрета) {
  Стенд с;
  Школа_совместителей(с, 15, 6, 6, 3);
  for (int p = 1; p <= 3; ++p) Совместитель(с, p, 3, 0, {1});
  с.запись().Последняя_показанная_форма = 11;
  TФорма_запреты_первого_урока_совместителей окно(с.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.Надпись()->text().toStdString(), "Максимум запретов на первый урок = 2");
    QTableWidget* т = окно.Таблица();
    ASSERT_EQ(т->rowCount(), 3);
    EXPECT_EQ(т->horizontalHeaderItem(1)->text().toStdString(), "      ФИО совместителя");
    Заголовки_видны(т);
    т->setCurrentCell(2, 2);
    с.диалоги.Ответить(true);
    Enter(т);
    EXPECT_EQ(Цвет_на_экране(т, 2, 2), QColor(0xF3, 0xB0, 0xCF));
    EXPECT_EQ(Цвет_на_экране(т, 1, 2), QColor(0x50, 0x81, 0x14));
    окно.Нажать_продолжить();
  });
  EXPECT_EQ(с.запись().Вектор_запрета_для_совместителей_на_первый_урок(3), 1);
  EXPECT_TRUE(с.Ошибки().empty());
}

TEST(Окно_шага_12, НагрузкаЧерезДиалог) {
  Стенд с;
  Школа_совместителей(с, 5, 6, 6, 2);
  Совместитель(с, 1, 1, 0, {2});
  Совместитель(с, 2, 1, 1, {1, 4});
  TФорма_ТРПН_совместителей окно(с.среда);
  int шаг_робота = 0;
  std::string надпись_диалога;
  // The dialog: first "2" for the one-day part-timer (refused, the dialog stays),
  // then "1"; then Escape on the second cell; then "2" for part-timer 2.
  test::Робот робот([&](QWidget* w, bool впервые) {
    auto* д = dynamic_cast<TФорма_ввода_нагрузки_совместителей*>(w);
    if (д == nullptr || !впервые) return;
    ++шаг_робота;
    надпись_диалога = д->Надпись()->text().toStdString();
    if (шаг_робота == 1) {
      EXPECT_EQ(д->windowTitle().toStdString(), "Ввод нагрузки совместителя");
      EXPECT_EQ(д->Поле()->text(), "0");
      QTest::keyClicks(д->Поле(), "2");  // replaces the selected "0"
      д->Кнопка_ввести()->click();
      EXPECT_TRUE(д->isVisible());
      д->Поле()->selectAll();
      QTest::keyClicks(д->Поле(), "17");  // "7" is not a key the field takes
      EXPECT_EQ(д->Поле()->text(), "1");
      д->Кнопка_ввести()->click();
    } else if (шаг_робота == 2) {
      QTest::keyClick(д->Поле(), Qt::Key_Escape);
    } else {
      QTest::keyClicks(д->Поле(), "2");
      QTest::keyClick(д->Поле(), Qt::Key_Return);
    }
  });
  Модально(окно, [&] {
    QTableWidget* т = окно.Таблица_распределения_ПН_для_совместителей();
    ASSERT_EQ(т->rowCount(), 6);  // the sum row and five classes
    ASSERT_EQ(т->columnCount(), 4);
    EXPECT_EQ(т->columnWidth(2), 280);
    Заголовки_видны(т);
    EXPECT_EQ(т->horizontalHeaderItem(3)->text().toStdString(), "[2] Совм_2, Предм_2");
    EXPECT_EQ(Текст(т, 2, 1), "к2");
    окно.Ввести_в_ячейку(2, 2);
    EXPECT_EQ(надпись_диалога, "Нагрузка совместителя в классе (от 0 до 1):");
    EXPECT_EQ(Текст(т, 2, 2), std::string(45, ' ') + "1");
    EXPECT_EQ(Текст(т, 0, 2), "                         Введенная нагрузка = 1");
    EXPECT_EQ(Цвет_на_экране(т, 2, 2), QColor(0x50, 0x81, 0x14));
    окно.Ввести_в_ячейку(3, 2);  // Escape: nothing changes
    EXPECT_EQ(Текст(т, 3, 2), "");
    т->setCurrentCell(4, 3);
    Enter(т);
    EXPECT_EQ(надпись_диалога, "Нагрузка совместителя в классе (от 0 до 2):");
    EXPECT_EQ(Текст(т, 0, 3), "                         Введенная нагрузка = 2");
    окно.Нажать_продолжить();
  });
  EXPECT_EQ(шаг_робота, 3);
  ASSERT_EQ(с.Ошибки().size(), 1u);
  EXPECT_EQ(с.Ошибки()[0],
            "\nДля совместителя с одним рабочим днем нагрузка в одном классе не может превышать "
            "значения равного = 1.");
  EXPECT_EQ(с.запись().Таблица_РПН_для_совместителей(2, 1), 1);
  EXPECT_EQ(с.запись().Таблица_РПН_для_совместителей(4, 2), 2);
  EXPECT_TRUE(с.запись().Флаг_продолжения);
}

TEST(Окно_шага_13, УспехИНеудачаРасчёта) {
  for (bool возможно : {true, false}) {
    Стенд с;
    Школа_совместителей(с, 5, 6, 6, 1);
    Совместитель(с, 1, 1, 1,
                 возможно ? std::initializer_list<int>{2, 5} : std::initializer_list<int>{2});
    Уроки(с, 3, 1, 2);
    TФорма_расчета_расписания_совместителей окно(с.среда);
    Модально(окно, [&] {
      EXPECT_EQ(окно.windowTitle().toStdString(), "Построение расписания для совместителей (13)");
      EXPECT_EQ(окно.Надпись_на_форме()->text().toStdString(),
                "Все исходные данные для расчета расписания с совместителями сформированы. "
                "Рассчитать?");
      EXPECT_FALSE(окно.Кнопка_продолжить()->isVisible());
      EXPECT_FALSE(окно.Картинка()->isVisible());
      окно.Нажать_рассчитать();
      ASSERT_TRUE(test::Дождаться([&] { return !окно.Идёт_расчёт(); }));
      EXPECT_TRUE(окно.Кнопка_продолжить()->isVisible());
      EXPECT_EQ(окно.Картинка()->isVisible(), возможно);
      if (возможно) {
        EXPECT_EQ(окно.Надпись_на_форме()->text().toStdString(), "Готово ...");
      } else {
        EXPECT_EQ(окно.Надпись_на_форме()->text().toStdString(),
                  "При таких ограничениях решение задачи для совместителей не существует.   "
                  "Можно продолжить");
        EXPECT_EQ(окно.Вторая_надпись()->text().toStdString(),
                  "расчет без совместителей или нажать кнопку «Закончить» и возвратиться к "
                  "пройденному шагу 8.");
      }
      окно.Нажать_продолжить();
    });
    EXPECT_EQ(с.запись().Готово_расписание_совместителей, возможно);
    EXPECT_EQ(с.запись().Общее_количество_преподавателей_в_школе, возможно ? 1 : 0);
    EXPECT_TRUE(с.запись().Флаг_продолжения);
  }
}

}  // namespace
}  // namespace korvella
