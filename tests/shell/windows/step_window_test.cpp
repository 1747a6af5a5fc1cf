// The step-window protocol and the calculation window, over small test models.
#include "shell/windows/step_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <atomic>

#include "core/failure.h"
#include "shell/step_table.h"
#include "shell/windows/calculation_window.h"
#include "shell/windows/exception_reporter.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {
using test::Дождаться;
using test::Робот;

// A step that keeps one typed text; it refuses "Продолжить" while the text is
// empty, pointing at the edit or at a grid cell.
class Модель_с_полем : public Модель_шага {
 public:
  using Модель_шага::Модель_шага;
  std::string текст;
  bool указать_ячейку = false;
  int сохранено_без_проверки = 0;
  int загружено = 0;

 protected:
  std::optional<Отказ> Проверить_и_сохранить() override {
    if (текст.empty()) {
      if (указать_ячейку) return Отказ{"\nПустая ячейка.", "Таблица_шага", 2, 3};
      return Отказ{"\nВведите текст.", "Поле_ввода_текста"};
    }
    return std::nullopt;
  }
  void Сохранить_без_проверки() override { ++сохранено_без_проверки; }
  void Показать_данные() override { ++загружено; }
};

class Окно_с_полем : public Окно_шага {
 public:
  Окно_с_полем(Модель_с_полем& модель) : Окно_шага(модель), модель_(модель) {}
  QLineEdit* поле = nullptr;
  QTableWidget* таблица = nullptr;
  bool ввод_разрешён = true;
  int загрузок_после_активации = 0;

 protected:
  void Построить_элементы(QWidget* область) override {
    auto* столбец = new QVBoxLayout(область);
    поле = new QLineEdit(область);
    поле->setObjectName("Поле_ввода_текста");
    таблица = new QTableWidget(4, 5, область);
    таблица->setObjectName("Таблица_шага");
    столбец->addWidget(поле);
    столбец->addWidget(таблица);
  }
  void Загрузить_из_модели() override {
    // Activation has run: the model's data are there to show.
    if (модель_.загружено > 0) ++загрузок_после_активации;
    поле->setText(QString::fromStdString(модель_.текст));
  }
  void Передать_в_модель() override { модель_.текст = поле->text().toStdString(); }
  void Разрешить_ввод(bool можно) override {
    ввод_разрешён = можно;
    поле->setReadOnly(!можно);
  }

 private:
  Модель_с_полем& модель_;
};

class Окна_шагов_тест : public ::testing::Test {
 protected:
  std::unique_ptr<тип_Главная_запись> запись = std::make_unique<тип_Главная_запись>();
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*запись, диалоги, оболочка};
};

TEST_F(Окна_шагов_тест, активация_до_показа_и_заголовок_шага) {
  среда.режим_автогенерации = false;
  запись->Последняя_показанная_форма = 1;
  Модель_с_полем модель(среда, 3);
  модель.текст = "есть";
  Окно_с_полем окно(модель);
  QString заголовок;
  Робот робот([&](QWidget* w, bool) {
    заголовок = w->windowTitle();
    окно.Кнопка_продолжить()->click();
  });
  окно.Показать_модально();
  EXPECT_EQ(заголовок, "Список классов с параллелями (3)");
  EXPECT_EQ(окно.objectName(), "Форма_список_классов");
  EXPECT_EQ(окно.property("класс_окна").toString(), "TФорма_список_классов");
  EXPECT_EQ(запись->Последняя_показанная_форма, 3);
  EXPECT_EQ(окно.загрузок_после_активации, 1);
  EXPECT_FALSE(окно.ввод_разрешён);
  EXPECT_TRUE(запись->Флаг_продолжения);
}

// Every way of leaving without "Продолжить" stores what "Закончить" stores and
// stops the chain.
TEST_F(Окна_шагов_тест, крестик_и_Esc_останавливают_цепочку_как_закончить) {
  const std::vector<std::pair<const char*, std::function<void(Окно_шага&)>>> способы = {
      {"Закончить", [](Окно_шага& о) { о.Кнопка_закончить()->click(); }},
      {"close box", [](Окно_шага& о) { о.close(); }},
      {"Esc", [](Окно_шага& о) { QTest::keyClick(&о, Qt::Key_Escape); }},
  };
  for (const auto& [имя, закрыть] : способы) {
    SCOPED_TRACE(имя);
    Модель_с_полем модель(среда, 2);
    Окно_с_полем окно(модель);
    Робот робот([&](QWidget*, bool) {
      окно.поле->setText("набрано");
      закрыть(окно);
    });
    запись->Флаг_продолжения = true;
    окно.Показать_модально();
    EXPECT_FALSE(окно.isVisible());
    EXPECT_FALSE(запись->Флаг_продолжения);
    EXPECT_FALSE(модель.Продолжен());
    EXPECT_EQ(модель.сохранено_без_проверки, 1);
    EXPECT_EQ(модель.текст, "набрано");
  }
}

TEST_F(Окна_шагов_тест, отказ_оставляет_окно_открытым_и_возвращает_фокус) {
  Модель_с_полем модель(среда, 23);
  Окно_с_полем окно(модель);
  int нажатий = 0;
  bool открыто_после_отказа = false;
  QWidget* фокус_после_отказа = nullptr;
  Робот робот([&](QWidget*, bool) {
    if (нажатий == 0) {
      окно.Кнопка_продолжить()->click();
      открыто_после_отказа = окно.isVisible();
      фокус_после_отказа = окно.focusWidget();
      окно.поле->setText("Алгебра");
    } else {
      окно.Кнопка_продолжить()->click();
    }
    ++нажатий;
  });
  окно.Показать_модально();
  EXPECT_TRUE(открыто_после_отказа);
  EXPECT_EQ(фокус_после_отказа, окно.поле);
  EXPECT_EQ(диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка),
            std::vector<std::string>{"\nВведите текст."});
  EXPECT_TRUE(запись->Флаг_продолжения);
  EXPECT_TRUE(модель.Продолжен());
  EXPECT_EQ(модель.текст, "Алгебра");
  EXPECT_EQ(модель.сохранено_без_проверки, 0);
}

TEST_F(Окна_шагов_тест, отказ_по_ячейке_выбирает_её_в_таблице) {
  Модель_с_полем модель(среда, 24);
  модель.указать_ячейку = true;
  Окно_с_полем окно(модель);
  QModelIndex выбрана;
  QWidget* фокус = nullptr;
  Робот робот([&](QWidget*, bool) {
    окно.Кнопка_продолжить()->click();
    выбрана = окно.таблица->currentIndex();
    фокус = окно.focusWidget();
    окно.Кнопка_закончить()->click();
  });
  окно.Показать_модально();
  EXPECT_EQ(выбрана.row(), 2);
  EXPECT_EQ(выбрана.column(), 3);
  EXPECT_EQ(фокус, окно.таблица);
}

// A calculation that runs until the test lets it go, or until it is stopped.
class Модель_управляемого_расчёта : public Модель_расчётного_шага {
 public:
  using Модель_расчётного_шага::Модель_расчётного_шага;
  std::atomic<bool> отпустить{false};
  std::atomic<bool> начат{false};
  Итог итог = Итог::Готово;
  bool бросить = false;

 protected:
  Итог Выполнить_расчёт() override {
    начат = true;
    while (!отпустить && !Флаг_остановки_расчета) QThread::msleep(1);
    if (Флаг_остановки_расчета) return Итог::Остановлен;
    if (бросить) {
      Под_охраной("Главный_цикл", [] { throw std::runtime_error("деление на ноль"); });
    }
    return итог;
  }
};

struct Снимок_занятости {
  bool рассчитать, продолжить, закончить, остановить, индикатор, закрылось;
  QString надпись;
};

TEST_F(Окна_шагов_тест, окно_расчёта_занято_пока_идёт_расчёт) {
  Модель_управляемого_расчёта модель(среда, 22);
  Окно_расчёта окно(среда, модель, nullptr, {.кнопка_остановки = true, .секундомер = true});
  окно.Построить();
  Снимок_занятости снимок{};
  int шаг = 0;
  Робот робот([&](QWidget*, bool) {
    switch (шаг) {
      case 0:
        EXPECT_TRUE(окно.Кнопка_рассчитать()->isVisible());
        EXPECT_FALSE(окно.Кнопка_продолжить()->isVisible());
        EXPECT_FALSE(окно.Кнопка_остановить()->isEnabled());
        окно.Кнопка_рассчитать()->click();
        ++шаг;
        break;
      case 1:
        if (!модель.начат) return;
        окно.close();
        QTest::keyClick(&окно, Qt::Key_Escape);
        окно.Кнопка_закончить()->click();
        снимок = {окно.Кнопка_рассчитать()->isEnabled(),
                  окно.Кнопка_продолжить()->isEnabled(),
                  окно.Кнопка_закончить()->isEnabled(),
                  окно.Кнопка_остановить()->isEnabled(),
                  окно.findChild<QProgressBar*>("Индикатор_расчета")->isVisible(),
                  !окно.isVisible(),
                  окно.Надпись_на_форме()->text()};
        модель.отпустить = true;
        ++шаг;
        break;
      case 2:
        if (окно.Идёт_расчёт()) return;
        EXPECT_EQ(окно.Надпись_на_форме()->text(), "Готово ...");
        EXPECT_TRUE(окно.Картинка()->isVisible());
        EXPECT_FALSE(окно.Кнопка_рассчитать()->isVisible());
        EXPECT_TRUE(окно.Кнопка_продолжить()->isVisible());
        EXPECT_TRUE(окно.Кнопка_продолжить()->isDefault());
        окно.Кнопка_продолжить()->click();
        ++шаг;
        break;
    }
  });
  окно.Показать_модально();
  EXPECT_FALSE(снимок.рассчитать);
  EXPECT_FALSE(снимок.продолжить);
  EXPECT_FALSE(снимок.закончить);
  EXPECT_TRUE(снимок.остановить);
  EXPECT_TRUE(снимок.индикатор);
  EXPECT_FALSE(снимок.закрылось);
  EXPECT_EQ(снимок.надпись, "Идет расчет расписания, придется подожнать ...");
  EXPECT_TRUE(запись->Готово_расписание_разделений);
  EXPECT_TRUE(запись->Флаг_продолжения);
  EXPECT_FALSE(Флаг_занятости);
}

TEST_F(Окна_шагов_тест, остановка_расчёта_и_шаг_без_продолжить) {
  Модель_управляемого_расчёта модель(среда, 29);
  Окно_расчёта окно(среда, модель, nullptr,
                    {.кнопка_остановки = true, .секундомер = true, .кнопка_продолжить = false});
  int шаг = 0;
  QString итог;
  bool продолжить_видна = true;
  Робот робот([&](QWidget*, bool) {
    if (шаг == 0) {
      окно.Кнопка_рассчитать()->click();
      ++шаг;
    } else if (шаг == 1 && модель.начат) {
      окно.Кнопка_остановить()->click();
      EXPECT_FALSE(окно.Кнопка_остановить()->isEnabled());
      ++шаг;
    } else if (шаг == 2 && !окно.Идёт_расчёт()) {
      итог = окно.Надпись_на_форме()->text();
      продолжить_видна = окно.Кнопка_продолжить()->isVisible();
      EXPECT_TRUE(окно.Кнопка_закончить()->hasFocus() ||
                  окно.focusWidget() == окно.Кнопка_закончить());
      окно.Кнопка_закончить()->click();
      ++шаг;
    }
  });
  окно.Показать_модально();
  EXPECT_EQ(итог, "Расчет остановлен!");
  EXPECT_FALSE(продолжить_видна);
  EXPECT_FALSE(запись->Готово_основное_расписание);
  EXPECT_FALSE(запись->Флаг_продолжения);
}

TEST_F(Окна_шагов_тест, сбой_в_задаче_расчёта_уходит_в_отчёт_об_исключении) {
  auto* приложение = static_cast<Приложение_корвелла*>(QApplication::instance());
  Диалоги_по_сценарию отчёты;
  std::vector<int> коды;
  приложение->Установить_диалоги(&отчёты);
  приложение->Установить_завершение([&](int к) { коды.push_back(к); });
  Модель_управляемого_расчёта модель(среда, 13);
  модель.бросить = true;
  модель.отпустить = true;
  Окно_расчёта окно(среда, модель);
  Робот робот([&](QWidget*, bool впервые) {
    if (впервые)
      окно.Кнопка_рассчитать()->click();
    else if (!коды.empty())
      окно.Кнопка_закончить()->click();
  });
  окно.Показать_модально();
  приложение->Установить_диалоги(nullptr);
  приложение->Установить_завершение(Немедленное_завершение);
  EXPECT_EQ(коды, std::vector<int>{1});
  EXPECT_EQ(отчёты.Тексты(Диалоги_по_сценарию::Вид::Стандартная_ошибка),
            std::vector<std::string>{"Исключение :   деление на ноль в модуле :  Главный_цикл"});
  EXPECT_FALSE(запись->Готово_расписание_совместителей);
}

}  // namespace
}  // namespace korvella
