// The error, message and question windows, the platform boxes and the
// exception reporter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <atomic>

#include "core/failure.h"
#include "shell/windows/dialog_windows.h"
#include "shell/windows/exception_reporter.h"
#include "shell/windows/window_dialogs.h"
#include "tests/support/window_robot.h"

namespace korvella {
namespace {
using test::Дождаться;
using test::Робот;

TEST(Окно_вопроса, Enter_сразу_после_открытия_отвечает_нет) {
  Диалоги_окнами диалоги;
  QString текст_окна;
  QWidget* фокус = nullptr;
  Робот робот([&](QWidget* окно, bool) {
    auto* вопрос = qobject_cast<QDialog*>(окно);
    ASSERT_NE(dynamic_cast<TФорма_вопрос_с_выбором*>(вопрос), nullptr);
    текст_окна = вопрос->findChild<QLabel*>("Надпись_текст_вопроса")->text();
    фокус = вопрос->focusWidget();
    QTest::keyClick(фокус, Qt::Key_Return);
  });
  EXPECT_FALSE(диалоги.Вопрос("\nПродолжить?"));
  EXPECT_EQ(текст_окна, "\nПродолжить?");
  EXPECT_EQ(фокус, диалоги.Форма_вопрос_с_выбором().Кнопка_нет());
}

TEST(Окно_вопроса, закрывается_только_ответом_и_каждый_раз_начинает_с_нет) {
  Диалоги_окнами диалоги;
  auto& вопрос = диалоги.Форма_вопрос_с_выбором();
  int попыток_закрыть = 0;
  bool устояло = true;
  bool ответить_да = true;
  Робот робот([&](QWidget*, bool) {
    if (попыток_закрыть < 3) {
      // Alt+F4 (a close request), Esc, and a close box that is not there.
      if (попыток_закрыть == 0) вопрос.close();
      if (попыток_закрыть == 1) QTest::keyClick(&вопрос, Qt::Key_Escape);
      if (попыток_закрыть == 2) вопрос.reject();
      ++попыток_закрыть;
      устояло = устояло && вопрос.isVisible();
      return;
    }
    попыток_закрыть = 0;
    (ответить_да ? вопрос.Кнопка_да() : вопрос.Кнопка_нет())->click();
  });
  EXPECT_TRUE(диалоги.Вопрос("первый"));
  EXPECT_TRUE(устояло);
  EXPECT_FALSE(вопрос.windowFlags() & Qt::WindowCloseButtonHint);
  // The answer of the last showing does not carry over.
  ответить_да = false;
  EXPECT_FALSE(диалоги.Вопрос("второй"));
  EXPECT_FALSE(вопрос.Ответ_да());
}

TEST(Окна_сообщений, показывают_свой_текст_и_закрываются_по_Esc) {
  Диалоги_окнами диалоги;
  struct Показ {
    QString заголовок, текст;
    QSize размер;
  };
  std::vector<Показ> показы;
  Робот робот([&](QWidget* окно, bool) {
    auto* надпись = окно->findChild<QLabel*>("Область_текста_сообщения");
    if (надпись == nullptr) надпись = окно->findChild<QLabel*>("Надпись_текст_сообщения");
    ASSERT_NE(надпись, nullptr);
    показы.push_back({окно->windowTitle(), надпись->text(), окно->size()});
    QTest::keyClick(окно->findChild<QPushButton*>("Кнопка_закрыть"), Qt::Key_Escape);
  });
  диалоги.Ошибка("\nНеверное количество классов.");
  диалоги.Сообщение("Урок не назначен.");
  ASSERT_EQ(показы.size(), 2u);
  EXPECT_EQ(показы[0].заголовок, "Сообщение об ошибке");
  EXPECT_EQ(показы[0].текст, "\nНеверное количество классов.");
  EXPECT_EQ(показы[0].размер, QSize(560, 101));
  EXPECT_EQ(показы[1].заголовок, "Сообщение");
  EXPECT_EQ(показы[1].текст, "\nУрок не назначен.");
  EXPECT_EQ(показы[1].размер, QSize(537, 96));
}

TEST(Окна_сообщений, длинный_текст_увеличивает_окно_а_не_обрезается) {
  Диалоги_окнами диалоги;
  QString длинный;
  for (int i = 0; i < 12; ++i) длинный += "Очень длинное предупреждение о данных шага. ";
  int высота_окна = 0;
  bool помещается = false;
  Робот робот([&](QWidget* окно, bool) {
    auto* надпись = окно->findChild<QLabel*>("Область_текста_сообщения");
    высота_окна = окно->height();
    помещается = надпись->height() >= надпись->heightForWidth(надпись->width()) &&
                 надпись->geometry().bottom() < окно->findChild<QPushButton*>()->geometry().top();
    окно->findChild<QPushButton*>("Кнопка_закрыть")->click();
  });
  диалоги.Ошибка(длинный.toStdString());
  EXPECT_GT(высота_окна, 101);
  EXPECT_TRUE(помещается);
}

TEST(Окна_сообщений, вызов_из_потока_расчёта_ждёт_ответа_в_потоке_интерфейса) {
  Диалоги_окнами диалоги;
  QThread* поток_окна = nullptr;
  Робот робот([&](QWidget* окно, bool) {
    поток_окна = QThread::currentThread();
    static_cast<TФорма_вопрос_с_выбором*>(окно)->Кнопка_да()->click();
  });
  std::atomic<int> ответ{-1};
  QThreadPool::globalInstance()->start([&] { ответ = диалоги.Вопрос("Из задачи?") ? 1 : 0; });
  ASSERT_TRUE(Дождаться([&] { return ответ.load() >= 0; }));
  EXPECT_EQ(ответ.load(), 1);
  EXPECT_EQ(поток_окна, QApplication::instance()->thread());
}

// What the top level shows for each kind of failure, and how the program ends.
TEST(Обработка_исключения, текст_и_окно_по_виду_сбоя) {
  struct Случай {
    std::function<void()> сбой;
    Диалоги_по_сценарию::Вид окно;
    std::string текст;
    int код;
  };
  const Случай случаи[] = {
      {[] {
         Под_охраной("Сохранение_главной_записи",
                     [] { throw std::runtime_error("Диск переполнен"); });
       },
       Диалоги_по_сценарию::Вид::Стандартная_ошибка,
       "Исключение :   Диск переполнен в модуле :  Сохранение_главной_записи", 1},
      {[] {
         Под_охраной("Формирование_параллелепипеда", [] {
           Под_охраной("Максимальный_поток",
                       [] { Внутренняя_остановка("Модуль: Максимальный_поток - нет пути"); });
         });
       },
       Диалоги_по_сценарию::Вид::Стандартная_ошибка,
       "Исключение :   Модуль: Максимальный_поток - нет пути в модуле :  Максимальный_поток", 1},
      {[] {
         Под_охраной("Главный_цикл",
                     [] { Проверить(false, "Модуль: Главный_цикл - сбой счетчика"); });
       },
       Диалоги_по_сценарию::Вид::Простое_сообщение, "Модуль: Главный_цикл - сбой счетчика", 1},
  };
  for (const auto& с : случаи) {
    Диалоги_по_сценарию диалоги;
    std::vector<int> коды;
    try {
      с.сбой();
      FAIL() << "no failure";
    } catch (...) {
      Обработка_исключения(std::current_exception(), диалоги, [&](int к) { коды.push_back(к); });
    }
    ASSERT_EQ(диалоги.вызовы.size(), 1u);
    EXPECT_EQ(диалоги.вызовы[0].вид, с.окно);
    EXPECT_EQ(диалоги.вызовы[0].текст, с.текст);
    EXPECT_EQ(коды, std::vector<int>{с.код});
  }
}

TEST(Обработка_исключения, отказ_пользователя_завершает_молча) {
  Диалоги_по_сценарию диалоги;
  std::vector<int> коды;
  Обработка_исключения(std::make_exception_ptr(Завершение_программы{}), диалоги,
                       [&](int к) { коды.push_back(к); });
  EXPECT_TRUE(диалоги.вызовы.empty());
  EXPECT_EQ(коды, std::vector<int>{0});
}

TEST(Обработка_исключения, сбой_в_обработчике_окна_сообщается_на_его_границе) {
  auto* приложение = static_cast<Приложение_корвелла*>(QApplication::instance());
  Диалоги_по_сценарию диалоги;
  std::vector<int> коды;
  приложение->Установить_диалоги(&диалоги);
  приложение->Установить_завершение([&](int к) { коды.push_back(к); });
  QPushButton кнопка("Сохранить");
  // The failure never crosses Qt's frames: the handler's wrapper reports it, and
  // the click returns normally.
  bool после_щелчка = false;
  QObject::connect(&кнопка, &QPushButton::clicked, Обработчик([](bool) {
                     Под_охраной("Сохранение_главной_записи",
                                 [] { throw std::runtime_error("Нет доступа"); });
                   }));
  QObject::connect(&кнопка, &QPushButton::clicked, [&] { после_щелчка = true; });
  QTimer::singleShot(0, &кнопка, [&] { кнопка.click(); });
  ASSERT_TRUE(Дождаться([&] { return !коды.empty(); }));
  приложение->Установить_диалоги(nullptr);
  приложение->Установить_завершение(Немедленное_завершение);
  EXPECT_EQ(коды, std::vector<int>{1});
  EXPECT_TRUE(после_щелчка);
  EXPECT_EQ(
      диалоги.Тексты(Диалоги_по_сценарию::Вид::Стандартная_ошибка),
      std::vector<std::string>{"Исключение :   Нет доступа в модуле :  Сохранение_главной_записи"});
}

TEST(Обработка_исключения, обработчик_берёт_столько_аргументов_сигнала_сколько_хочет) {
  int строка = -1, столбец = -1, вызовов = 0;
  QTableWidget таблица(3, 3);
  QObject::connect(&таблица, &QTableWidget::currentCellChanged,
                   Обработчик([&](int с, int к) { строка = с, столбец = к; }));
  QObject::connect(&таблица, &QTableWidget::currentCellChanged, Обработчик([&] { ++вызовов; }));
  таблица.setCurrentCell(2, 1);
  EXPECT_EQ(строка, 2);
  EXPECT_EQ(столбец, 1);
  EXPECT_EQ(вызовов, 1);
}

}  // namespace
}  // namespace korvella
