// The windows of steps 26 and 27 on the offscreen platform, driven as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "distribution_fixture.h"
#include "timetable/competence.h"
#include "timetable/windows/competence_grid_view.h"
#include "timetable/windows/competence_window.h"
#include "timetable/windows/distribution_window.h"
#include "timetable/windows/pick_list_window.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {

using test::Модально;

// What the user does in a pick list once it is open.
void В_списке(Окно_списка_выбора* список, std::function<void()> действие) {
  QTimer::singleShot(0, список, std::move(действие));
}

void Нажать_ввод(QWidget* элемент) {
  QKeyEvent нажатие(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(элемент, &нажатие);
}

std::string Текст(Сетка_шага* сетка, int строка_вида, int столбец) {
  return сетка->item(строка_вида, столбец)->text().toStdString();
}

struct Школа_окна {
  std::unique_ptr<тип_Главная_запись> з = тест::Пустая_школа(6, 6, 3, 2, 3);
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*з, диалоги, оболочка};
  Школа_окна() {
    Флаг_пропуска_компетентности = false;
    тест::План(*з, 1, 1, 4);
    тест::План(*з, 1, 2, 3);
    тест::План(*з, 1, 3, 5);
    тест::План(*з, 2, 1, 2);
    тест::План(*з, 2, 2, 2);
    з->Вектор_потребности_в_предметниках(1) = 2;
    з->Вектор_потребности_в_предметниках(2) = 1;
  }
  ~Школа_окна() { Флаг_пропуска_компетентности = false; }
};

TEST(Окно_шага_26, enter_открывает_список_предметов_и_меняет_ячейку) {
  Школа_окна ш;
  TФорма_таблица_компетентности окно(ш.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.windowTitle().toStdString(),
              "Формирование таблицы компетентности преподавателей (26)");
    auto* сетка = окно.Таблица();
    ASSERT_EQ(сетка->rowCount(), 3);
    EXPECT_EQ(сетка->horizontalHeaderItem(1)->text().toStdString(), "      ФИО Преподавателя");
    EXPECT_EQ(Текст(сетка, 2, 2), "БР_Предмет_02");
    EXPECT_EQ(окно.focusWidget(), сетка);

    // Teacher 3 gets subject 1 in his second cell through the list.
    сетка->setCurrentCell(2, 3);
    auto* список = окно.Список_предметов();
    В_списке(список, [&] {
      EXPECT_EQ(список->windowTitle().toStdString(), "Список предметов");
      EXPECT_EQ(список->Список()->currentRow(), 0);
      EXPECT_EQ(список->Список()->item(1)->text().toStdString(), " [02] (02) БР_Предмет_01");
      список->Список()->setCurrentRow(1);
      Нажать_ввод(список->Список());
    });
    Нажать_ввод(сетка);
    EXPECT_FALSE(список->isVisible());
    EXPECT_EQ(Текст(сетка, 2, 3), "БР_Предмет_01");
    EXPECT_EQ(ш.з->Таблица_компетентности(1, 3), 1);

    // A subject the teacher has is refused and the list stays open until "Закрыть".
    В_списке(список, [&] {
      список->Список()->setCurrentRow(2);
      список->Выбрать_текущий();
      EXPECT_TRUE(список->isVisible());
      список->findChild<QPushButton*>("Кнопка_закрыть")->click();
    });
    окно.Открыть_ячейку(3, 3);
    EXPECT_EQ(ш.диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка).back(),
              "\nДля преподавателя \"ШТ_Препод_03\" такой предмет уже отмечен.");
    EXPECT_EQ(Текст(сетка, 2, 3), "БР_Предмет_01");
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(окно.Модель().Продолжен());
  EXPECT_TRUE(ш.з->Флаг_продолжения);
}

TEST(Окно_шага_26, пропустить_закрывает_окно_а_без_автогенерации_недоступно) {
  Школа_окна ш;
  TФорма_таблица_компетентности окно(ш.среда);
  Модально(окно, [&] { окно.Кнопка_пропустить()->click(); });
  EXPECT_TRUE(Флаг_пропуска_компетентности);
  EXPECT_TRUE(ш.з->Флаг_продолжения);

  ш.среда.режим_автогенерации = false;
  TФорма_таблица_компетентности вручную(ш.среда);
  Модально(вручную, [&] {
    EXPECT_FALSE(вручную.Таблица()->isEnabled());
    EXPECT_FALSE(вручную.Кнопка_пропустить()->isEnabled());
    EXPECT_FALSE(вручную.Кнопка_очистить()->isEnabled());
    вручную.Кнопка_закончить()->click();
  });
  EXPECT_FALSE(ш.з->Флаг_продолжения);
}

TEST(Окно_шага_27, двойной_щелчок_назначает_и_отказ_выбирает_строку) {
  Школа_окна ш;
  тест::Компетентен(*ш.з, 1, {1});
  тест::Компетентен(*ш.з, 2, {1});
  тест::Компетентен(*ш.з, 3, {2});
  ш.з->Последняя_показанная_форма = 26;
  TФорма_распределение_пед_нагрузки окно(ш.среда);
  Модально(окно, [&] {
    EXPECT_EQ(окно.windowTitle().toStdString(), "Распределение педагогической нагрузки (27)");
    auto* сетка = окно.Таблица();
    ASSERT_EQ(сетка->rowCount(), 5);
    EXPECT_EQ(Текст(сетка, 0, 3), "      4");
    окно.Кнопка_очистить()->click();
    EXPECT_EQ(Текст(сетка, 0, 4), "");

    окно.Кнопка_продолжить()->click();
    EXPECT_EQ(сетка->currentRow(), 0);
    EXPECT_TRUE(окно.isVisible());

    // Every row to teacher 1 but the subject-2 rows, which go to teacher 3.
    for (int r = 0; r < 5; ++r) {
      auto* список = окно.Список_преподавателей();
      В_списке(список, [список, r] {
        EXPECT_EQ(список->windowTitle().toStdString(), "Список преподавателей");
        список->Список()->setCurrentRow(r < 3 ? (r == 2 ? 1 : 0) : 2);
        список->Кнопка_выбрать()->click();
      });
      emit сетка->cellDoubleClicked(r, 4);
    }
    EXPECT_EQ(Текст(сетка, 2, 4), "ШТ_Препод_02");
    EXPECT_EQ(ш.з->Список_преподавателей(1).Нагрузка, 7);
    окно.Кнопка_продолжить()->click();
  });
  EXPECT_TRUE(ш.з->Флаг_продолжения);
  EXPECT_EQ(ш.з->Вектор_нагрузки_преподавателей(3), 4);
}

}  // namespace
}  // namespace korvella
