// The two tab frames on the offscreen platform: what the planner sees and what
// a click, a key or the search dialog does.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "tests/views/fixture.h"
#include "views/windows/class_tab_frame.h"
#include "views/windows/search_dialog.h"
#include "views/windows/teacher_tab_frame.h"
#include "views/windows/timetable_grid_view.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using тест::Час;
using Вид = Диалоги_по_сценарию::Вид;

struct Программа {
  std::unique_ptr<тип_Главная_запись> запись = тест::Малая_школа(5, 7);
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*запись, диалоги, оболочка};
  Матрица_раскраски раскраска{};
};

// The fixture school with a sanitary ban (class 1, Monday lesson 7), a stream
// lesson (class 2, Monday lesson 1) and two main lessons of teacher 1.
void Заполнить_школу(тип_Главная_запись& з) {
  з.Готовы_санитарные_ограничения = true;
  з.Таблица_санитарных_запрещений(1, Час(1, 7, 7)) = 2;
  з.Готово_расписание_потоков = true;
  з.Расписание_для_потоков(2, Час(1, 1, 7)) = 1;
  з.Готово_основное_расписание = true;
  з.Школьное_расписание(1, Час(1, 1, 7)) = 1;
  з.Расписание_предметов(1, Час(1, 1, 7)) = 1;
  з.Школьное_расписание(2, Час(3, 2, 7)) = 1;
  з.Расписание_предметов(2, Час(3, 2, 7)) = 2;
}

void Заполнить_фрейм(Фрейм_вкладки_расписание_классов& ф) {
  ф.Очистка_вкладки_расписание_классов();
  ф.Заполнение_разметки();
  ф.Заполнение_названий_классов();
  ф.Заполнение_санитарного_слоя();
  ф.Заполнение_слоя_потоков();
  ф.Заполнение_основного_слоя();
}

QRgb Пиксель(Таблица_расписания& т, int столбец, int строка, QPoint смещение) {
  const QRect к = т.visualRect(т.model()->index(строка - 1, столбец));
  const QImage снимок = т.viewport()->grab().toImage();
  return снимок.pixel(к.topLeft() + смещение) & 0xFFFFFF;
}

void Нажать(QWidget* куда, QEvent::Type вид, QPoint где) {
  QMouseEvent событие(вид, где, куда->mapToGlobal(где), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
  QApplication::sendEvent(куда, &событие);
}

TEST(Фрейм_классов, сетка_видна_с_днями_в_заголовке_и_цветами_кодов) {
  Программа п;
  Заполнить_школу(*п.запись);
  Фрейм_вкладки_расписание_классов ф(п.среда, nullptr, п.раскраска);
  ф.resize(1200, 700);
  ф.show();
  Заполнить_фрейм(ф);
  ф.Разметить_столбцы(1159);
  auto& т = *ф.Таблица_расписания_классов();
  EXPECT_EQ(т.model()->rowCount(), 14);
  EXPECT_EQ(т.model()->columnCount(), 7);
  EXPECT_EQ(т.model()->headerData(2, Qt::Horizontal).toString(), "Понедельник");
  EXPECT_EQ(т.model()->index(0, 0).data().toString(), "5А");
  EXPECT_EQ(т.model()->index(0, 2).data().toString(), "Математика,  Иванова И.И.");
  EXPECT_EQ(т.columnWidth(0), 60);
  EXPECT_EQ(т.columnWidth(1), 47);
  EXPECT_EQ(т.columnWidth(4), 200);

  const QPoint внутри(30, 12);
  EXPECT_EQ(Пиксель(т, 2, 7, внутри), 0xE22727u);           // sanitary ban
  EXPECT_EQ(Пиксель(т, 2, 8, QPoint(120, 18)), 0x8BAEE6u);  // the stream's colour
  EXPECT_EQ(Пиксель(т, 4, 9, QPoint(120, 18)), 0xC6C6C6u);  // main lesson, below its text
  // The current cell (column 2, row 1 after clearing) carries the blue strip.
  const QRect текущая = т.visualRect(т.model()->index(0, 2));
  EXPECT_EQ(Пиксель(т, 2, 1, QPoint(текущая.width() - 5, 10)), 0x0000FFu);
  EXPECT_NE(Пиксель(т, 2, 1, QPoint(текущая.width() - 25, 10)), 0x0000FFu);
}

TEST(Фрейм_классов, двойной_щелчок_и_Enter_показывают_ячейку) {
  Программа п;
  Заполнить_школу(*п.запись);
  Фрейм_вкладки_расписание_классов ф(п.среда, nullptr, п.раскраска);
  ф.resize(1200, 700);
  ф.show();
  Заполнить_фрейм(ф);
  auto& т = *ф.Таблица_расписания_классов();
  const QPoint урок =
      т.visualRect(т.model()->index(8, 4)).center();  // class 2, Wednesday, lesson 2
  Нажать(т.viewport(), QEvent::MouseButtonPress, урок);
  Нажать(т.viewport(), QEvent::MouseButtonRelease, урок);
  Нажать(т.viewport(), QEvent::MouseButtonDblClick, урок);
  const QPoint пусто = т.visualRect(т.model()->index(2, 3)).center();
  Нажать(т.viewport(), QEvent::MouseButtonPress, пусто);
  Нажать(т.viewport(), QEvent::MouseButtonRelease, пусто);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&т, &enter);
  // A press on the fixed lesson column: no detail.
  const QPoint урок_столбец = т.visualRect(т.model()->index(2, 1)).center();
  Нажать(т.viewport(), QEvent::MouseButtonPress, урок_столбец);
  Нажать(т.viewport(), QEvent::MouseButtonDblClick, урок_столбец);
  EXPECT_EQ(п.диалоги.Тексты(Вид::Сообщение),
            (std::vector<std::string>{
                "Русский язык,  Иванова И.И.",
                "Для этого класса, в этот день и час занятие пока не назначено или совсем "
                "отсутствует."}));
}

TEST(Фрейм_классов, поиск_в_диалоге_ведёт_текущую_ячейку) {
  Программа п;
  Заполнить_школу(*п.запись);
  Фрейм_вкладки_расписание_классов ф(п.среда, nullptr, п.раскраска);
  ф.resize(1200, 700);
  ф.show();
  Заполнить_фрейм(ф);
  std::vector<QString> надписи;
  bool кнопка_доступна = true;
  QTimer::singleShot(0, [&] {
    auto* д = ф.Форма_найти_подстроку();
    д->Поле_ввода_для_поиска()->setText("иванова");
    for (int i = 0; i < 3; ++i) {
      д->Кнопка_найти()->click();
      надписи.push_back(д->Надпись_содержание_ячейки()->text());
    }
    кнопка_доступна = д->Кнопка_найти()->isEnabled();
    д->Кнопка_закрыть()->click();
  });
  ф.Действие_найти_подстроку()->trigger();
  ASSERT_EQ(надписи.size(), 3u);
  EXPECT_EQ(надписи[0], "Математика,  Иванова И.И.  (Строка = 1, Столбец = 1)  Найдено = 1");
  EXPECT_EQ(надписи[1], "Русский язык,  Иванова И.И.  (Строка = 9, Столбец = 3)  Найдено = 2");
  EXPECT_EQ(надписи[2], "Больше ничего не найдено  (Ранее найдено = 2)");
  EXPECT_FALSE(кнопка_доступна);
  EXPECT_EQ(ф.Вкладка().Таблица().Текущая_строка(), 9);
  EXPECT_EQ(ф.Таблица_расписания_классов()->currentIndex().row(), 8);
  EXPECT_TRUE(п.диалоги.вызовы.empty());
}

TEST(Фрейм_преподавателей, кнопки_и_цвета_после_построения) {
  Программа п;
  Заполнить_школу(*п.запись);
  Фрейм_вкладки_расписание_преподавателей ф(п.среда, nullptr, п.раскраска);
  ф.resize(1300, 700);
  ф.show();
  EXPECT_FALSE(ф.Действие_вывод_в_файл_эксель()->isEnabled());
  ф.Обновить();
  ф.Разметить_столбцы(1261);
  auto& т = *ф.Таблица_расписания_преподавателей();
  EXPECT_EQ(т.model()->rowCount(), 14);
  EXPECT_EQ(т.columnWidth(0), 162);
  EXPECT_EQ(т.columnWidth(2), 200);
  EXPECT_EQ(т.model()->index(0, 0).data().toString(), "Иванова И.И.: Н=18: М=5");
  EXPECT_TRUE(ф.Действие_вывод_в_файл_эксель()->isEnabled());
  EXPECT_FALSE(ф.Действие_преподаватели_спецпомещений()->isEnabled());
  EXPECT_FALSE(ф.Кнопка_панель_панели_управления()->isVisible());
  EXPECT_EQ(Пиксель(т, 2, 1, QPoint(120, 18)), 0x508114u);
  EXPECT_EQ(Пиксель(т, 3, 1, QPoint(120, 18)), 0xF3B0CFu);
  ф.Действие_вывод_в_файл_эксель()->trigger();
  EXPECT_EQ(п.диалоги.Тексты(Вид::Простое_сообщение),
            std::vector<std::string>{"Вывод в файл Excel скоро будет готов..."});
}

}  // namespace
}  // namespace korvella

