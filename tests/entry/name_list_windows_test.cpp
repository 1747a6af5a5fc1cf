// The windows of steps 23 and 25 on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "core/random.h"
#include "entry/windows/staff_teachers_window.h"
#include "entry/windows/subject_list_window.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using test::Модально;

void Набрать(QWidget* куда, const QString& текст) {
  for (QChar с : текст) {
    QKeyEvent нажатие(QEvent::KeyPress, 0, Qt::NoModifier, QString(с));
    QApplication::sendEvent(куда, &нажатие);
  }
}

void Нажать_ввод(QWidget* куда) {
  QKeyEvent нажатие(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(куда, &нажатие);
}

std::string Ошибка(const Диалоги_по_сценарию& д) {
  const auto т = д.Тексты(Диалоги_по_сценарию::Вид::Ошибка);
  return т.empty() ? "" : т.back();
}

struct Окна_списков : ::testing::Test {
  void SetUp() override {
    Установить_главное_зерно(23);
    Обнулить_запись(*з);
    з->Количество_учебных_дней_в_неделе = 6;
    з->Количество_уроков_в_день = 6;
    з->Количество_классов_в_школе = 10;
    з->Последняя_показанная_форма = 22;
  }
  void TearDown() override { Снять_главное_зерно(); }

  std::unique_ptr<тип_Главная_запись> з = std::make_unique<тип_Главная_запись>();
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*з, диалоги, оболочка};
};

TEST_F(Окна_списков, subjects_count_edit_filters_keys_and_enter_resizes_the_grid) {
  TФорма_список_предметов_без_разделений окно(среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.windowTitle().toStdString(), "Список учебных предметов (23)");
    EXPECT_EQ(окно.Надпись_количества()->text().toStdString(),
              "Количество предметов (от 9 до 17):");
    auto* поле = окно.Поле_количества();
    auto* таблица = окно.Таблица();
    EXPECT_EQ(таблица->rowCount(), з->Число_предметов_без_разделений_изучаемых_в_школе);
    EXPECT_EQ(таблица->horizontalHeaderItem(0)->text().toStdString(), "       Предмет");
    EXPECT_EQ(таблица->verticalHeaderItem(0)->text().toStdString(), "   1");

    поле->clear();
    Набрать(поле, "1x2");
    EXPECT_EQ(поле->text().toStdString(), "12");
    Нажать_ввод(поле);
    EXPECT_TRUE(окно.isVisible()) << "Enter in the edit must not press Продолжить";
    EXPECT_EQ(таблица->rowCount(), 12);
    EXPECT_EQ(таблица->currentRow(), 11);

    поле->setText("");
    Набрать(поле, "8");
    Нажать_ввод(поле);
    EXPECT_EQ(Ошибка(диалоги), "\nКоличество учебных предметов не может быть менше 9.");
    EXPECT_EQ(поле->text().toStdString(), "9");
    EXPECT_EQ(таблица->rowCount(), 9);

    таблица->item(3, 0)->setText("  Химия  ");
    таблица->item(5, 0)->setText("Химия");
    окно.Кнопка_продолжить()->click();
    EXPECT_EQ(Ошибка(диалоги), "\nНекоторые названия предметов совпадают. Это не допустимо.");
    EXPECT_EQ(таблица->item(3, 0)->text().toStdString(), "Химия");
    EXPECT_EQ(таблица->currentRow(), 5);
    таблица->item(5, 0)->setText("Биология");
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(з->Флаг_продолжения);
  EXPECT_EQ(з->Число_предметов_без_разделений_изучаемых_в_школе, 9);
  EXPECT_EQ(з->Список_предметов(4).Текст(), "Химия");
  EXPECT_EQ(з->Список_предметов(6).Текст(), "Биология");
}

TEST_F(Окна_списков, teachers_count_is_held_to_its_bounds_and_close_box_finishes) {
  з->Число_предметов_без_разделений_изучаемых_в_школе = 9;
  // An empty curriculum: one teacher a subject, raised to 10 + 10 div 6.
  з->Последняя_показанная_форма = 24;
  TФорма_список_преподавателей_без_разделений окно(среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.windowTitle().toStdString(), "Список преподавателей (25)");
    EXPECT_EQ(окно.Надпись_количества()->text().toStdString(),
              "Количество преподавателей (от 11 до 14):");
    auto* поле = окно.Поле_количества();
    поле->clear();
    Набрать(поле, "20");
    Нажать_ввод(поле);
    EXPECT_EQ(Ошибка(диалоги), "\nКоличество преподавателей не может быть больше = 14.");
    EXPECT_EQ(поле->text().toStdString(), "14");
    EXPECT_EQ(окно.Таблица()->rowCount(), 14);
    окно.Таблица()->item(13, 0)->setText("Орлова Е.Е.");
    окно.reject();  // the close box
  });
  EXPECT_FALSE(з->Флаг_продолжения);
  EXPECT_EQ(з->Количество_шатных_преподавателей, 14);
  EXPECT_EQ(з->Список_преподавателей(14).ФИО.Текст(), "Орлова Е.Е.");
}

}  // namespace
}  // namespace korvella

