// Step 24's window and its load-input window on the offscreen platform.
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
#include "tests/timetable/curriculum_fixture.h"
#include "timetable/windows/curriculum_input_window.h"
#include "timetable/windows/curriculum_window.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

// Runs something inside the next modal loop (the step window's or the input window's).
void Внутри_модального(QObject* контекст, std::function<void()> сценарий) {
  QTimer::singleShot(0, контекст, std::move(сценарий));
}

void Нажать(QWidget* куда, Qt::Key клавиша, const QString& текст = {}) {
  QKeyEvent нажатие(QEvent::KeyPress, клавиша, Qt::NoModifier, текст);
  QApplication::sendEvent(куда, &нажатие);
}

std::string Текст(const QLabel* надпись) { return надпись->text().toStdString(); }

struct Окно_плана : ::testing::Test {
  void SetUp() override {
    Установить_главное_зерно(24);
    *з = *Запись_школы({5, 5, 9, 0, 1});
    з->Последняя_показанная_форма = 23;
    окно = std::make_unique<TФорма_нераспределенный_учебный_план>(среда);
  }
  void TearDown() override { Снять_главное_зерно(); }

  std::unique_ptr<тип_Главная_запись> з = std::make_unique<тип_Главная_запись>();
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*з, диалоги, оболочка};
  std::unique_ptr<TФорма_нераспределенный_учебный_план> окно;
};

TEST_F(Окно_плана, shows_the_generated_plan_and_refuses_to_continue_after_clearing) {
  Внутри_модального(окно.get(), [&] {
    EXPECT_EQ(окно->windowTitle().toStdString(),
              "Формирование учебного плана для предметов без разделения на группы (24)");
    auto* таблица = окно->Таблица();
    EXPECT_EQ(таблица->rowCount(), 9);
    EXPECT_EQ(таблица->columnCount(), 5);
    EXPECT_EQ(таблица->horizontalHeaderItem(0)->text().toStdString(),
              "[35] " + з->Таблица_классов(1).Имя.Текст() + "\n[35]");
    EXPECT_EQ(таблица->verticalHeaderItem(0)->text().toStdString(), "    1  БР_Предмет_01");
    EXPECT_EQ(Текст(окно->Надпись_предельного_значения()),
              "Предельное значение нагрузки учебного плана = 175");
    EXPECT_EQ(Текст(окно->Надпись_текущего_значения()),
              "Текущее значение нагрузки учебного плана = 175");
    EXPECT_TRUE(окно->Кнопка_очистить()->isEnabled());

    окно->Кнопка_очистить()->click();
    EXPECT_EQ(Текст(окно->Надпись_текущего_значения()),
              "Текущее значение нагрузки учебного плана = 0");
    EXPECT_EQ(таблица->horizontalHeaderItem(2)->text().toStdString(),
              "[35] " + з->Таблица_классов(3).Имя.Текст() + "\n[0]");
    окно->Кнопка_продолжить()->click();
    EXPECT_TRUE(окно->isVisible());
    EXPECT_EQ(диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка).back(),
              "\nТекущее значение нагрузки учебного плана меньше его предельного значения.");
    окно->Кнопка_закончить()->click();
  });
  окно->Показать_модально();
  EXPECT_FALSE(з->Флаг_продолжения);
}

TEST_F(Окно_плана, enter_on_a_cell_opens_the_input_that_filters_keys_and_stores_the_value) {
  Внутри_модального(окно.get(), [&] {
    окно->Кнопка_очистить()->click();
    окно->Таблица()->setCurrentCell(2, 1);  // subject 3, class 2
    auto* ввод = окно->Окно_ввода();
    Внутри_модального(ввод, [&] {
      EXPECT_EQ(ввод->windowTitle().toStdString(), "Ввод нагрузки");
      EXPECT_EQ(ввод->Надпись()->text().toStdString(), "Нагрузка класса по предмету (от 0 до 4):");
      auto* поле = ввод->Поле_ввода_нагрузка_класса();
      Нажать(поле, Qt::Key_5, "5");  // above D - 1 in a 5-day week
      Нажать(поле, Qt::Key_A, "a");
      EXPECT_EQ(поле->text().toStdString(), "");
      ввод->Кнопка_ввести()->click();
      EXPECT_EQ(диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка).back(),
                "\nПоле ввода \"Нагрузка класса по предмету\" не может быть пустым.");
      EXPECT_TRUE(ввод->isVisible());
      Нажать(поле, Qt::Key_3, "3");
      EXPECT_EQ(поле->text().toStdString(), "3");
      ввод->Кнопка_ввести()->click();
    });
    Нажать(окно->Таблица(), Qt::Key_Return);
    EXPECT_EQ(з->Массив_учебного_плана_школы(3, 2), 3);
    EXPECT_EQ(окно->Таблица()->item(2, 1)->text().toStdString(), "             3");
    EXPECT_EQ(Текст(окно->Надпись_текущего_значения()),
              "Текущее значение нагрузки учебного плана = 3");
    окно->Кнопка_закончить()->click();
  });
  окно->Показать_модально();
}

TEST_F(Окно_плана, autogeneration_off_disables_the_grid_and_the_clear_button) {
  среда.режим_автогенерации = false;
  Внутри_модального(окно.get(), [&] {
    EXPECT_FALSE(окно->Таблица()->isEnabled());
    EXPECT_FALSE(окно->Кнопка_очистить()->isEnabled());
    окно->Кнопка_закончить()->click();
  });
  окно->Показать_модально();
}

}  // namespace
}  // namespace korvella

