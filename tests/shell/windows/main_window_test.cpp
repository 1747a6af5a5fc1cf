// The main window: its short-cuts, panes, autogeneration switch, manual, data
// file, and the wizard run through all thirty step windows.
#include "shell/windows/main_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/data_files.h"
#include "shell/step_table.h"
#include "shell/windows/autogeneration_panel.h"
#include "shell/windows/calculation_window.h"
#include "shell/windows/return_to_step_window.h"
#include "shell/windows/step_windows.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {
namespace fs = std::filesystem;
using test::Дождаться;
using test::Робот;
using Вид = Диалоги_по_сценарию::Вид;

// Every calculation succeeds at once: these tests walk the chain, not the
// calculations (a calculation step without a model would refuse to go on).
class Расчёт_без_работы : public Модель_расчётного_шага {
 public:
  using Модель_расчётного_шага::Модель_расчётного_шага;

 protected:
  Итог Выполнить_расчёт() override { return Итог::Готово; }
};

Реестр_шагов Реестр_цепочки() {
  Реестр_шагов реестр;
  for (int номер = 0; номер < kКоличество_шагов; ++номер)
    if (Расчётный_шаг(номер))
      реестр.Зарегистрировать(номер, [номер](Среда& с) {
        return std::make_unique<Расчёт_без_работы>(с, номер);
      });
  return реестр;
}

class Главное_окно : public ::testing::Test {
 protected:
  void SetUp() override {
    каталог = fs::temp_directory_path() /
              ("korvella_main_window_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(каталог);
    Установить_рабочий_каталог(каталог.string());
    окно = std::make_unique<TГлавная_форма>(*запись, диалоги);
    окна_шагов = std::make_unique<Окна_шагов>(окно->Среда_программы(), реестр, окно.get(),
                                              Окна_шагов_по_моделям());
    окно->Установить_показ_шага(окна_шагов->Как_показ_шага());
    окно->Стартовая_последовательность();
  }
  void TearDown() override {
    окна_шагов.reset();
    окно.reset();
    fs::remove_all(каталог);
  }

  Среда& среда() { return окно->Среда_программы(); }
  QString Панель(int номер) { return окно->Панель_строки_состояния(номер)->text(); }

  fs::path каталог;
  std::unique_ptr<тип_Главная_запись> запись = std::make_unique<тип_Главная_запись>();
  Диалоги_по_сценарию диалоги;
  // Every other step on its plain model.
  Реестр_шагов реестр = Реестр_цепочки();
  std::unique_ptr<TГлавная_форма> окно;
  std::unique_ptr<Окна_шагов> окна_шагов;
};

// Plays the user of the chain: ticks every optional task in step 0, calculates
// in the calculation windows and then continues, and stops at `стоп`.
struct Пользователь_цепочки {
  std::vector<int> показанные;
  int стоп = -1;
  bool закрыть_крестиком = false;
  bool все_задачи = true;
  тип_Главная_запись* запись = nullptr;

  void operator()(QWidget* w, bool впервые) {
    auto* окно = dynamic_cast<Окно_шага*>(w);
    if (окно == nullptr) return;
    if (впервые) {
      показанные.push_back(окно->Номер());
      if (окно->Номер() == 0 && все_задачи) {
        запись->Флаг_задачи_спецпомещений = true;
        запись->Флаг_задачи_совместителей = true;
        запись->Флаг_задачи_потоков = true;
        запись->Флаг_задачи_разделений = true;
      }
    }
    if (окно->Номер() == стоп) {
      if (закрыть_крестиком)
        окно->close();
      else
        окно->Кнопка_закончить()->click();
      return;
    }
    if (auto* расчёт = dynamic_cast<Окно_расчёта*>(окно)) {
      if (расчёт->Кнопка_рассчитать()->isVisible()) {
        if (!расчёт->Идёт_расчёт()) расчёт->Кнопка_рассчитать()->click();
        return;
      }
      if (!расчёт->Кнопка_продолжить()->isVisible()) {
        расчёт->Кнопка_закончить()->click();
        return;
      }
    }
    окно->Кнопка_продолжить()->click();
  }
};

std::vector<int> От_до(int от, int до) {
  std::vector<int> шаги;
  for (int i = от; i <= до; ++i) шаги.push_back(i);
  return шаги;
}

TEST_F(Главное_окно, новая_задача_проходит_все_тридцать_окон) {
  Пользователь_цепочки пользователь{.запись = запись.get()};
  Робот робот(std::ref(пользователь));
  окно->Начать();
  EXPECT_EQ(пользователь.показанные, От_до(0, 29));
  EXPECT_EQ(запись->Последняя_показанная_форма, 29);
  EXPECT_EQ(Панель(0), "Последняя показанная форма = 29");
  // A fresh data file: nothing to lose, so no question.
  EXPECT_TRUE(диалоги.Тексты(Вид::Вопрос).empty());
  for (int номер = 0; номер < kКоличество_шагов; ++номер) {
    EXPECT_EQ(окна_шагов->Окно(номер).objectName().toStdString(),
              std::string(Шаг(номер).класс_окна).substr(1));
  }
}

TEST_F(Главное_окно, закончить_останавливает_а_продолжить_возобновляет_с_того_же_шага) {
  for (bool крестик : {false, true}) {
    SCOPED_TRACE(крестик ? "close box" : "Закончить");
    Пользователь_цепочки пользователь{
        .стоп = 15, .закрыть_крестиком = крестик, .запись = запись.get()};
    {
      Робот робот(std::ref(пользователь));
      окно->Начать();
    }
    EXPECT_EQ(пользователь.показанные, От_до(0, 15));
    EXPECT_FALSE(запись->Флаг_продолжения);
    EXPECT_EQ(запись->Последняя_показанная_форма, 15);

    Пользователь_цепочки дальше{.все_задачи = false, .запись = запись.get()};
    {
      Робот робот(std::ref(дальше));
      окно->Продолжить();
    }
    EXPECT_EQ(дальше.показанные, От_до(15, 29));
  }
}

TEST_F(Главное_окно, Ctrl_V_вспоминает_только_пока_пункт_меню_доступен) {
  окно->show();
  QApplication::setActiveWindow(окно.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(окно.get()));
  const std::string возврат = "\nРасписание классов еще не строилось. Начните новую задачу.";
  const std::string вспоминание = "\nРасписание еще не запоминалось";

  запись->Последняя_показанная_форма = -1;
  запись->Флаг_запомненного_расписания = false;
  окно->Тик_таймера();
  EXPECT_FALSE(окно->Действие_вспомнить_расписание()->isEnabled());
  QTest::keyClick(окно.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(диалоги.Тексты(Вид::Ошибка), std::vector<std::string>{возврат});

  диалоги.вызовы.clear();
  запись->Флаг_запомненного_расписания = true;
  окно->Тик_таймера();
  EXPECT_TRUE(окно->Действие_вспомнить_расписание()->isEnabled());
  QTest::keyClick(окно.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(диалоги.Тексты(Вид::Ошибка), std::vector<std::string>{вспоминание});
  // No remembered file: the recall has cleared the mark, the next tick the item.
  окно->Тик_таймера();
  EXPECT_FALSE(окно->Действие_вспомнить_расписание()->isEnabled());

  диалоги.вызовы.clear();
  QTest::keyClick(окно.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(диалоги.Тексты(Вид::Ошибка), std::vector<std::string>{возврат});
  окно->hide();
}

TEST_F(Главное_окно, переключение_автогенерации) {
  const std::string только_29 =
      "\nОтключение автогенерации возможно только если последняя показанная форма = 29\".";
  const std::string отключить =
      "\nВы действительно хотите отключить автозаполнение форм исходными данными?";
  const std::string включить =
      "\nВы действительно хотите включить автозаполнение форм исходными данными?";
  struct Случай {
    int последняя;
    bool режим, ответ;
    std::vector<std::string> ошибки, вопросы;
    bool новый_режим;
  };
  const Случай случаи[] = {
      {28, true, true, {только_29}, {}, true},  {29, true, false, {}, {отключить}, true},
      {29, true, true, {}, {отключить}, false}, {3, false, false, {}, {включить}, false},
      {3, false, true, {}, {включить}, true},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.последняя);
    диалоги.вызовы.clear();
    запись->Последняя_показанная_форма = с.последняя;
    среда().режим_автогенерации = с.режим;
    // The panel asks through the window's own dialogs.
    if (!с.вопросы.empty()) диалоги.Ответить(с.ответ);
    окно->Переключить_автогенерацию();
    EXPECT_EQ(диалоги.Тексты(Вид::Ошибка), с.ошибки);
    EXPECT_EQ(диалоги.Тексты(Вид::Вопрос), с.вопросы);
    EXPECT_EQ(среда().режим_автогенерации, с.новый_режим);
    окно->Тик_таймера();
    EXPECT_EQ(Панель(1), с.новый_режим ? "Автогененация = Да" : "Автогененация = Нет");
  }
}

TEST_F(Главное_окно, новая_задача_снова_включает_автогенерацию) {
  запись->Последняя_показанная_форма = 29;
  среда().режим_автогенерации = false;
  Пользователь_цепочки пользователь{.стоп = 0, .запись = запись.get()};
  Робот робот(std::ref(пользователь));
  окно->Начать();
  EXPECT_EQ(диалоги.Тексты(Вид::Вопрос).size(), 1u);
  EXPECT_TRUE(среда().режим_автогенерации);
}

TEST_F(Главное_окно, руководство_пользователя) {
  const QString прежняя_папка = QDir::currentPath();
  fs::create_directories(каталог / "user_manual");
  QDir::setCurrent(QString::fromStdString(каталог.string()));
  bool открыть_удастся = false;
  std::vector<QUrl> открытые;
  окно->Установить_открытие_документа([&](const QUrl& адрес) {
    открытые.push_back(адрес);
    return открыть_удастся;
  });

  окно->Показать_руководство();
  EXPECT_EQ(диалоги.Тексты(Вид::Простое_сообщение),
            std::vector<std::string>{"Нет файла: user_manual_zrb_korvella.pdf"});
  EXPECT_TRUE(открытые.empty());

  std::ofstream(каталог / "user_manual" / "metodika.pdf") << "%PDF-1.4";
  диалоги.вызовы.clear();
  окно->Показать_руководство();
  EXPECT_EQ(
      диалоги.Тексты(Вид::Простое_сообщение),
      std::vector<std::string>{"На Вашем компьютере не установлена программа для просмотра "
                               "pdf-файлов. Установите бесплатную программу Adobe Reader X."});
  ASSERT_EQ(открытые.size(), 1u);
  EXPECT_TRUE(открытые[0].toLocalFile().endsWith("user_manual/metodika.pdf"));

  диалоги.вызовы.clear();
  открыть_удастся = true;
  окно->Показать_руководство();
  EXPECT_TRUE(диалоги.вызовы.empty());
  QDir::setCurrent(прежняя_папка);
}

TEST_F(Главное_окно, данные_загружаются_при_старте_и_сохраняются_при_закрытии) {
  // The start-up sequence of SetUp created the data file and the log file.
  EXPECT_EQ(запись->Последняя_показанная_форма, -1);
  EXPECT_TRUE(fs::exists(Журнал_замен()));
  EXPECT_EQ(окно->windowTitle(), "Программа составления школьных расписаний «ЗРБ: Корвелла»");

  // A task at step 2 in the 5×7 mode: consistent enough for the loader to accept.
  запись->Последняя_показанная_форма = 2;
  запись->Количество_классов_в_школе = 22;
  запись->Количество_учебных_дней_в_неделе = 5;
  запись->Количество_уроков_в_день = 7;
  окно->Обновить_заголовок_окна();
  EXPECT_EQ(окно->windowTitle(),
            "Программа составления школьных расписаний «ЗРБ: Корвелла» (22 класса, сетка "
            "расписания: 5х7)");
  окно->show();
  окно->close();
  Обнулить_запись(*запись);
  Загрузка_главной_записи(*запись, диалоги);
  EXPECT_TRUE(диалоги.Тексты(Вид::Вопрос).empty());
  EXPECT_EQ(запись->Последняя_показанная_форма, 2);
  EXPECT_EQ(запись->Количество_классов_в_школе, 22);
}

TEST_F(Главное_окно, панели_после_загрузки_показывают_загруженное) {
  запись->Последняя_показанная_форма = 2;
  запись->Количество_классов_в_школе = 22;
  запись->Количество_уроков_в_день = 6;
  запись->Общее_количество_преподавателей_в_школе = 31;
  Сохранение_главной_записи(*запись);
  Обнулить_запись(*запись);
  окно->Стартовая_последовательность();
  EXPECT_EQ(Панель(0), "Последняя показанная форма = 2");
  EXPECT_EQ(Панель(2), "Общее количество преподавателей в школе = 31");
}

TEST_F(Главное_окно, вкладки_расписания_открываются_с_готовым_основным_расписанием) {
  auto* вкладки = окно->Набор_страниц_главной_формы();
  ASSERT_EQ(вкладки->count(), 6);
  EXPECT_EQ(вкладки->tabText(0), "Расписание классов");
  EXPECT_EQ(вкладки->tabText(5), "Журнал замен преподавателей");
  окно->При_активации();
  for (int i = 2; i < 6; ++i) EXPECT_FALSE(вкладки->isTabEnabled(i)) << i;
  EXPECT_TRUE(вкладки->isTabEnabled(1));

  запись->Готово_основное_расписание = true;
  окно->Разрешить_вкладки_расписания(true);
  окно->При_активации();
  for (int i = 2; i < 6; ++i) EXPECT_TRUE(вкладки->isTabEnabled(i)) << i;
  // The autogeneration panel belongs to the first tab only.
  окно->show();
  EXPECT_TRUE(окно->Панель_на_панели_управления()->isVisible());
  вкладки->setCurrentIndex(1);
  EXPECT_FALSE(окно->Панель_на_панели_управления()->isVisible());
  вкладки->setCurrentIndex(0);
  EXPECT_TRUE(окно->Панель_на_панели_управления()->isVisible());
  окно->hide();
}

TEST_F(Главное_окно, возврат_к_шагу_через_окно_списка) {
  Пользователь_цепочки пользователь{.все_задачи = false, .запись = запись.get()};
  {
    Робот робот(std::ref(пользователь));
    окно->Начать();
  }
  ASSERT_EQ(запись->Последняя_показанная_форма, 29);
  auto& форма = окно->Форма_возврат_к_шагу();
  QStringList строки;
  QString надпись_после_щелчка;
  // First the window is closed with "Закрыть"; then a double click on step 26.
  int показ = 0;
  Пользователь_цепочки дальше{.все_задачи = false, .запись = запись.get()};
  Робот робот([&](QWidget* w, bool впервые) {
    if (w == &форма) {
      if (!впервые) return;
      auto* список = форма.Список_названий_форм();
      if (показ++ == 0) {
        for (int i = 0; i < список->count(); ++i) строки << список->item(i)->text();
        форма.Кнопка_закрыть()->click();
        return;
      }
      список->setCurrentRow(9);
      надпись_после_щелчка = форма.Кнопка_возврат_к_шагу()->text();
      emit список->itemDoubleClicked(список->item(9));
      return;
    }
    дальше(w, впервые);
  });
  окно->Возврат();
  EXPECT_EQ(строки.size(), 13);
  EXPECT_EQ(строки.value(6), QString::fromStdString(Названия_шагов()[23]));
  EXPECT_TRUE(дальше.показанные.empty());

  окно->Возврат();
  EXPECT_EQ(надпись_после_щелчка, "Возврат к шагу 26");
  // A double click asks no general question; 26 is far back with autogeneration on.
  EXPECT_EQ(диалоги.Тексты(Вид::Вопрос).size(), 1u);
  EXPECT_EQ(дальше.показанные, От_до(26, 29));
}

}  // namespace
}  // namespace korvella
