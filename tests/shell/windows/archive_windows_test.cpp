// The archive and restore windows, alone and through the main window's menu.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>

#include "core/archive.h"
#include "core/data_files.h"
#include "core/file_io.h"
#include "shell/windows/activity_indicator.h"
#include "shell/windows/archive_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/restore_window.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {
namespace fs = std::filesystem;
using test::Дождаться;
using test::Робот;
using Вид = Диалоги_по_сценарию::Вид;

std::string Текст(const QLabel* надпись) { return надпись->text().toStdString(); }

std::vector<std::uint8_t> Прочитать(const fs::path& путь) {
  std::ifstream f(путь, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

class Окна_архива : public ::testing::Test {
 protected:
  void SetUp() override {
    корень = fs::temp_directory_path() /
             ("korvella_archive_windows_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(корень);
    том = корень / "флешка";
    fs::create_directories(том);
    Установить_рабочий_каталог((корень / "work").string());
    Обнулить_запись(*запись);
    Загрузка_главной_записи(*запись, диалоги);
  }
  void TearDown() override {
    Установить_сбой_записи_после(std::nullopt);
    fs::remove_all(корень);
  }

  std::vector<Том> Тома() const { return {{"/", false}, {том.string(), true}}; }

  // Opens the archive window, picks the volume, types the folder, presses
  // "Архивировать данные" and, once the task is over, hands the window to
  // `проверить` before closing it. Message boxes are answered with OK.
  void Архивировать(const std::string& папка,
                    const std::function<void(TФорма_архивирование_данных_расписания&)>& проверить) {
    TФорма_архивирование_данных_расписания окно(диалоги, nullptr, [this] { return Тома(); });
    bool нажато = false;
    Робот робот([&](QWidget* w, bool) {
      if (auto* сообщение = qobject_cast<QMessageBox*>(w)) {
        сообщения.push_back(
            {сообщение->windowTitle().toStdString(), сообщение->text().toStdString()});
        сообщение->accept();
        return;
      }
      if (w != &окно || окно.Идет_архивирование()) return;
      if (нажато) {
        проверить(окно);
        окно.Кнопка_закрыть()->click();
        return;
      }
      нажато = true;
      EXPECT_FALSE(окно.Кнопка_архивировать_данные()->isEnabled());
      EXPECT_FALSE(окно.Поле_ввода_имени_папки()->isVisible());
      QRadioButton* кнопка = окно.Кнопка_тома(QString::fromStdString(том.string()));
      ASSERT_NE(кнопка, nullptr);
      EXPECT_EQ(кнопка->parent(), окно.Радиогруппа_съемных_дисков());
      кнопка->click();
      EXPECT_FALSE(окно.Радиогруппа_установленных_дисков()->isEnabled());
      EXPECT_FALSE(окно.Радиогруппа_съемных_дисков()->isEnabled());
      EXPECT_EQ(Текст(окно.Надпись_диск_выбранный_для_архивирования()),
                "Диск выбранный для архивирования: " + том.string());
      EXPECT_TRUE(окно.Поле_ввода_имени_папки()->isVisible());
      окно.Поле_ввода_имени_папки()->setText(QString::fromStdString(папка));
      окно.Кнопка_архивировать_данные()->click();
      if (!окно.Идет_архивирование()) return;
      было_занято = true;
      // Busy until the task's end comes through the event loop: no way out.
      EXPECT_TRUE(окно.Индикатор()->Вращается());
      EXPECT_FALSE(окно.Кнопка_закрыть()->isEnabled());
      окно.reject();
      окно.close();
      EXPECT_TRUE(окно.isVisible());
    });
    окно.exec();
    EXPECT_TRUE(нажато);
  }

  fs::path корень, том;
  std::unique_ptr<тип_Главная_запись> запись = std::make_unique<тип_Главная_запись>();
  Диалоги_по_сценарию диалоги;
  std::vector<std::pair<std::string, std::string>> сообщения;
  bool было_занято = false;
};

TEST_F(Окна_архива, архив_пишется_один_раз_за_открытие_окна) {
  Архивировать("Копия", [&](auto& окно) {
    EXPECT_EQ(Текст(окно.Надпись_диск_выбранный_для_архивирования()),
              "Архивирование расписания прошло успешно.");
    EXPECT_EQ(Текст(окно.Надпись_полное_имя_сохраняемого_файла()),
              "Полное имя файла: " + (том / "Копия" / "ZRB_Korvella_025_22.zip").string());
    EXPECT_FALSE(окно.Кнопка_архивировать_данные()->isEnabled());
    EXPECT_FALSE(окно.Поле_ввода_имени_папки()->isEnabled());
    EXPECT_FALSE(окно.Индикатор()->isVisible());
  });
  EXPECT_TRUE(было_занято);
  EXPECT_TRUE(fs::exists(том / "Копия" / "ZRB_Korvella_025_22.zip"));
  EXPECT_TRUE(диалоги.вызовы.empty());
}

TEST_F(Окна_архива, пустое_имя_папки_пишет_в_корень_тома) {
  Архивировать("", [&](auto& окно) {
    EXPECT_EQ(Текст(окно.Надпись_полное_имя_сохраняемого_файла()),
              "Полное имя файла: " + (том / "ZRB_Korvella_025_22.zip").string());
  });
}

TEST_F(Окна_архива, недопустимое_имя_ничего_не_пишет_и_позволяет_исправить) {
  TФорма_архивирование_данных_расписания окно(диалоги, nullptr, [this] { return Тома(); });
  окно.show();
  окно.Кнопка_тома(QString::fromStdString(том.string()))->click();
  окно.Поле_ввода_имени_папки()->setText("a/b");
  окно.Кнопка_архивировать_данные()->click();
  EXPECT_EQ(диалоги.Тексты(Вид::Простое_сообщение),
            std::vector<std::string>{"Вводимое имя папки: a/b содержит недопустимый символ."});
  EXPECT_FALSE(окно.Идет_архивирование());
  EXPECT_TRUE(окно.Кнопка_архивировать_данные()->isEnabled());
  EXPECT_TRUE(fs::is_empty(том));
  окно.close();
}

TEST_F(Окна_архива, существующий_архив_заменяется_только_после_да) {
  const fs::path путь = том / "Копия" / "ZRB_Korvella_025_22.zip";
  Архивировать("Копия", [](auto&) {});
  const auto прежний = Прочитать(путь);
  запись->Количество_классов_в_школе = 11;
  Сохранение_главной_записи(*запись);

  диалоги.Ответить(false);
  Архивировать("Копия", [](auto& окно) {
    // Refused: the window stays ready for another folder.
    EXPECT_TRUE(окно.Кнопка_архивировать_данные()->isEnabled());
  });
  EXPECT_EQ(диалоги.Тексты(Вид::Вопрос),
            std::vector<std::string>{"\nАрхивный файл " + путь.string() +
                                     " уже существует. Заменить его новым архивом?"});
  EXPECT_TRUE(диалоги.вызовы.back().об_утрате_данных);
  EXPECT_EQ(Прочитать(путь), прежний);

  диалоги.Ответить(true);
  Архивировать("Копия", [](auto&) {});
  EXPECT_NE(Прочитать(путь), прежний);
}

TEST_F(Окна_архива, сбой_записи_показывает_тексты_неудачи) {
  Установить_сбой_записи_после(10);
  Архивировать("Копия", [&](auto& окно) {
    EXPECT_EQ(Текст(окно.Надпись_диск_выбранный_для_архивирования()),
              "Данные не архивированы (не сохранены).");
    EXPECT_EQ(Текст(окно.Надпись_полное_имя_сохраняемого_файла()),
              "В Вашей операционнй системе Windows архивирование на этот\n"
              "диск запрещено. Используйте либо папку на этом диске, либо\n"
              "флешку, либо другой диск.");
    EXPECT_FALSE(окно.Кнопка_архивировать_данные()->isEnabled());
  });
  EXPECT_FALSE(fs::exists(том / "Копия" / "ZRB_Korvella_025_22.zip"));
}

TEST_F(Окна_архива, папка_которую_нельзя_создать_даёт_сообщение_и_вторую_попытку) {
  // A file where the folder should be.
  std::ofstream(том / "Копия") << "x";
  Архивировать("Копия", [&](auto& окно) {
    EXPECT_TRUE(окно.Кнопка_архивировать_данные()->isEnabled());
    EXPECT_TRUE(окно.Кнопка_закрыть()->isEnabled());
    EXPECT_TRUE(окно.Поле_ввода_имени_папки()->isEnabled());
  });
  ASSERT_EQ(сообщения.size(), 1u);
  EXPECT_EQ(сообщения[0].first, "Сообщение об ошибке");
  EXPECT_EQ(сообщения[0].second, "Вводимое имя папки: Копия содержит недопустимый символ.");
}

TEST_F(Окна_архива, без_папки_программы_архивирование_запрещается) {
  fs::remove_all(Папка_программы());
  Архивировать("Копия", [&](auto& окно) {
    EXPECT_EQ(Текст(окно.Надпись_диск_выбранный_для_архивирования()),
              "На Вашем компьютере отсутствует папка с данными программы \"ЗРБ: Корвелла\" для "
              "архивирования.");
    EXPECT_FALSE(окно.Кнопка_архивировать_данные()->isEnabled());
  });
  EXPECT_TRUE(fs::is_empty(том));
}

// The menu's actions: the archive saves what is in memory first; the restore
// brings it back into memory and onto the tabs.
class Меню_архива : public Окна_архива {
 protected:
  void SetUp() override {
    Окна_архива::SetUp();
    окно = std::make_unique<TГлавная_форма>(*запись, диалоги);
    окно->Установить_поиск_томов([this] { return Тома(); });
    окно->Стартовая_последовательность();
  }
  void TearDown() override {
    окно.reset();
    Окна_архива::TearDown();
  }

  // Chooses `путь` in the open-file dialog and presses "Восстановить данные".
  void Восстановить(
      const fs::path& путь,
      const std::function<void(TФорма_восстановление_данных_расписания&)>& проверить) {
    окно->Установить_выбор_архива([&] { return QString::fromStdString(путь.string()); });
    bool нажато = false;
    Робот робот([&](QWidget* w, bool) {
      auto* форма = dynamic_cast<TФорма_восстановление_данных_расписания*>(w);
      if (форма == nullptr || форма->Идет_восстановление()) return;
      if (!нажато) {
        нажато = true;
        EXPECT_EQ(Текст(форма->Надпись_предупреждение()), Предупреждение_о_восстановлении());
        EXPECT_EQ(
            Текст(форма->Надпись_полное_имя_архивного_файла()),
            "Полное имя выбранного архивного файла для восстановления данных: " + путь.string());
        форма->Кнопка_восстановить_данные()->click();
        return;
      }
      проверить(*форма);
      EXPECT_FALSE(форма->Кнопка_восстановить_данные()->isEnabled());
      форма->Кнопка_закрыть()->click();
    });
    окно->Действие_восстановление()->trigger();
  }

  std::unique_ptr<TГлавная_форма> окно;
};

TEST_F(Меню_архива, архив_из_памяти_возвращается_в_память_и_на_вкладки) {
  ASSERT_TRUE(окно->Действие_архивирование()->isEnabled());
  ASSERT_TRUE(окно->Действие_восстановление()->isEnabled());
  // Unsaved work: the archive must take it.
  запись->Последняя_показанная_форма = 3;
  запись->Количество_уроков_в_день = 6;
  запись->Количество_классов_в_школе = 21;
  запись->Количество_параллелей_в_школе = 7;
  запись->Готово_основное_расписание = true;
  const fs::path путь = том / "ZRB_Korvella_025_22.zip";
  {
    Робот робот([&](QWidget* w, bool впервые) {
      auto* форма = dynamic_cast<TФорма_архивирование_данных_расписания*>(w);
      if (форма == nullptr || форма->Идет_архивирование()) return;
      if (впервые) {
        QRadioButton* кнопка = форма->Кнопка_тома(QString::fromStdString(том.string()));
        ASSERT_NE(кнопка, nullptr);
        кнопка->click();
        форма->Кнопка_архивировать_данные()->click();
      } else if (!форма->Кнопка_архивировать_данные()->isEnabled()) {
        форма->Кнопка_закрыть()->click();
      }
    });
    окно->Действие_архивирование()->trigger();
  }
  ASSERT_TRUE(fs::exists(путь));

  // A new task since, saved.
  Обнулить_запись(*запись);
  запись->Количество_учебных_дней_в_неделе = 6;
  запись->Последняя_показанная_форма = -1;
  Сохранение_главной_записи(*запись);
  окно->Набор_страниц_главной_формы()->setCurrentIndex(1);
  окно->Разрешить_вкладки_расписания(false);

  Восстановить(путь, [](auto& форма) {
    EXPECT_EQ(Текст(форма.Надпись_полное_имя_архивного_файла()), Текст_успешного_восстановления());
  });
  EXPECT_EQ(запись->Количество_классов_в_школе, 21);
  EXPECT_EQ(запись->Последняя_показанная_форма, 3);
  EXPECT_EQ(окно->windowTitle().toStdString(),
            "Программа составления школьных расписаний «ЗРБ: Корвелла» (21 класс, сетка "
            "расписания: 6х6)");
  EXPECT_EQ(окно->Панель_строки_состояния(0)->text(), "Последняя показанная форма = 3");
  EXPECT_EQ(окно->Набор_страниц_главной_формы()->currentIndex(), 0);
  // The restored timetable is finished: its tabs open as after a start.
  for (int вкладка = 2; вкладка < 6; ++вкладка)
    EXPECT_TRUE(окно->Набор_страниц_главной_формы()->isTabEnabled(вкладка)) << вкладка;
  EXPECT_FALSE(fs::exists(Папка_программы().string() + "_old"));
}

TEST_F(Меню_архива, испорченный_архив_оставляет_прежние_данные) {
  const fs::path путь = том / "ZRB_Korvella_025_22.zip";
  std::ofstream(путь) << "not a zip";
  запись->Количество_классов_в_школе = 7;
  const auto прежний_файл = Прочитать(Путь_файла_главной_записи());
  Восстановить(путь, [](auto& форма) {
    EXPECT_EQ(Текст(форма.Надпись_полное_имя_архивного_файла()),
              "Данные НЕ восстановлены! Вероятно файл с данными или носитель испорчены ... Или "
              "данные были сформированы в другой операционной системе.");
    EXPECT_TRUE(форма.Кнопка_закрыть()->isEnabled());
  });
  EXPECT_EQ(запись->Количество_классов_в_школе, 7) << "memory is left alone";
  EXPECT_FALSE(окно->Набор_страниц_главной_формы()->isTabEnabled(2));
  EXPECT_EQ(Прочитать(Путь_файла_главной_записи()), прежний_файл);
}

TEST_F(Меню_архива, архив_с_другим_именем_не_открывает_окно) {
  окно->Установить_выбор_архива([] { return QString("/media/usb/ZRB_Korvella_025_21.zip"); });
  окно->Действие_восстановление()->trigger();
  EXPECT_EQ(диалоги.Тексты(Вид::Ошибка),
            std::vector<std::string>{
                "\nФайл: ZRB_Korvella_025_21.zip для восстановления данных выбран не верно."});
  // Cancelled dialog: nothing at all.
  диалоги.вызовы.clear();
  окно->Установить_выбор_архива([] { return QString(); });
  окно->Действие_восстановление()->trigger();
  EXPECT_TRUE(диалоги.вызовы.empty());
}

}  // namespace
}  // namespace korvella
