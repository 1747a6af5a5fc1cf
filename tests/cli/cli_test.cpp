// The command line as a user meets it: what it accepts, and that no command
// destroys or rewrites the user's data on its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <cstring>
#include <vector>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "core/folder_lock.h"
#include "tests/support/cli_process.h"

namespace korvella {
namespace {

namespace fs = std::filesystem;
using тест::Папка_данных;

const std::vector<cli::Опция>* Опции(const std::string& имя) {
  const auto* команда = cli::Найти_команду(имя);
  return команда ? &команда->опции : nullptr;
}

// The usage error of a command line, or "" when it is accepted.
std::string Ошибка(std::vector<std::string> слова) {
  std::vector<char*> argv{const_cast<char*>("korvella-cli")};
  for (auto& с : слова) argv.push_back(с.data());
  std::string ошибка;
  const auto п = cli::Разобрать(static_cast<int>(argv.size()), argv.data(), Опции, ошибка);
  if (!п) return ошибка.empty() ? "?" : ошибка;
  return cli::Ошибка_употребления(*п);
}

TEST(Командная_строка, что_принимается_и_что_нет) {
  struct Случай {
    std::vector<std::string> слова;
    const char* ошибка;  // a part of the usage error; "" when the line is accepted
  };
  const Случай случаи[] = {
      {{"new", "--seed", "1", "--tasks", "rooms,groups", "--classes", "28", "--mode", "5x7", "--yes"},
       ""},
      {{"--data-dir", "/tmp/x", "show", "teachers"}, ""},
      {{"export", "--out", "t.xml"}, ""},
      {{"archive", "--to", "/media/usb", "--folder", "Копия", "--yes"}, ""},
      {{"archive", "--folder", "Копия"}, "archive needs --to DIR"},
      {{"restore", "--yes", "a.zip"}, ""},
      {{"restore"}, "restore takes FILE"},
      {{"continue", "--seed", "7"}, ""},
      {{}, "no command"},
      {{"frobnicate"}, "unknown command frobnicate"},
      {{"--seed", "3", "new"}, "unknown option --seed before the command"},
      {{"new", "extra"}, "new takes no words"},
      {{"check", "now"}, "check takes no words"},
      {{"export", "file.xml"}, "export takes no words"},
      {{"show"}, "show takes classes|teachers"},
      {{"show", "rooms"}, "show takes one of"},
      {{"show", "classes", "teachers"}, "too many words"},
      {{"check", "--yes"}, "--yes is not an option of check"},
      {{"continue", "--classes", "10"}, "--classes is not an option of continue"},
      {{"show", "classes", "--out", "x"}, "--out is not an option of show"},
      {{"--data-dir", "", "check"}, "--data-dir takes a non-empty value"},
      {{"new", "--seed"}, "--seed needs a value"},
      {{"new", "--seed", "-1"}, "--seed takes a non-negative integer"},
      {{"new", "--seed", "1", "--seed", "2"}, "--seed is given twice"},
      {{"new", "--classes", "4"}, "--classes takes 5..28"},
      {{"new", "--classes", "29"}, "--classes takes 5..28"},
      {{"new", "--classes", "99999999999999999999"}, "--classes takes a non-negative integer"},
      {{"new", "--mode", "7x5"}, "--mode takes 6x6 or 5x7"},
      {{"new", "--tasks", "rooms,,groups"}, "without empty items"},
      {{"new", "--tasks", ""}, "without empty items"},
      {{"new", "--tasks", "rooms,"}, "without empty items"},
      {{"new", "--tasks", "gyms"}, "knows no task 'gyms'"},
  };
  for (const Случай& с : случаи) {
    std::string строка;
    for (const auto& слово : с.слова) строка += слово + " ";
    SCOPED_TRACE(строка);
    const std::string ошибка = Ошибка(с.слова);
    if (*с.ошибка == 0) {
      EXPECT_EQ(ошибка, "");
    } else {
      EXPECT_NE(ошибка.find(с.ошибка), std::string::npos) << ошибка;
    }
  }
}

TEST(Командная_строка, вопрос_об_утрате_данных_получает_да_только_с_yes) {
  std::FILE* ф = std::tmpfile();
  cli::Диалоги_командной_строки без_согласия(ф, ""), с_согласием(ф, "", true);
  EXPECT_TRUE(без_согласия.Вопрос("Продолжить?"));
  EXPECT_FALSE(без_согласия.Вопрос_об_утрате_данных("Удалить?"));
  EXPECT_TRUE(с_согласием.Вопрос_об_утрате_данных("Удалить?"));
  std::fclose(ф);
}

// A finished small task, made once and copied into each case's folder.
const std::string& Готовая_задача() {
  static const std::string байты = [] {
    Папка_данных папка("готовая");
    const auto новая = папка.Запустить("new --seed 5 --classes 6 --mode 6x6");
    EXPECT_EQ(новая.код, 0) << новая.текст;
    return папка.Байты();
  }();
  return байты;
}

// Each state of the data file through every command, without and with --yes:
// the file stays byte for byte as it was unless a command that may change the
// task was given --yes, and the exit code says what happened.
TEST(Командная_строка, ни_одна_команда_не_губит_данные_сама) {
  enum class Состояние { Короткий_файл, Испорченное_содержимое, Шаг_выше_29, Нечитаемый };
  struct Команда {
    std::string строка;
    bool с_yes;
  };
  const std::vector<Команда> команды = {
      {"continue", false}, {"continue --yes", true}, {"check", false},
      {"show classes", false}, {"export --out OUT", false}, {"export --out OUT --yes", true},
      {"new --classes 99", false},  // refused before anything is read
  };
  const bool администратор = ::geteuid() == 0;
  for (Состояние состояние : {Состояние::Короткий_файл, Состояние::Испорченное_содержимое,
                              Состояние::Шаг_выше_29, Состояние::Нечитаемый}) {
    if (состояние == Состояние::Нечитаемый && администратор) continue;  // root reads anything
    for (const Команда& к : команды) {
      SCOPED_TRACE(std::to_string(static_cast<int>(состояние)) + ": " + к.строка);
      Папка_данных папка("состояние");
      std::string байты = Готовая_задача();
      тип_Главная_запись з;
      std::memcpy(&з, байты.data(), sizeof з);
      switch (состояние) {
        case Состояние::Короткий_файл: байты.resize(1000); break;
        case Состояние::Испорченное_содержимое:
          з.Количество_классов_в_школе = 77;
          байты.assign(reinterpret_cast<const char*>(&з), sizeof з);
          break;
        case Состояние::Шаг_выше_29:
          з.Последняя_показанная_форма = 35;
          байты.assign(reinterpret_cast<const char*>(&з), sizeof з);
          break;
        case Состояние::Нечитаемый: break;
      }
      папка.Записать_байты(байты);
      if (состояние == Состояние::Нечитаемый) fs::permissions(папка.Файл(), fs::perms::none);

      std::string строка = к.строка;
      const fs::path выход = папка.путь / "out.xml";
      if (const auto i = строка.find("OUT"); i != std::string::npos)
        строка.replace(i, 3, выход.string());
      const auto итог = папка.Запустить(строка);
      if (состояние == Состояние::Нечитаемый)
        fs::permissions(папка.Файл(), fs::perms::owner_read | fs::perms::owner_write);
      const bool изменён = папка.Байты() != байты;

      if (к.строка.starts_with("new --classes 99")) {
        EXPECT_EQ(итог.код, 2) << итог.текст;
        EXPECT_FALSE(изменён);
        continue;
      }
      switch (состояние) {
        case Состояние::Короткий_файл:
        case Состояние::Испорченное_содержимое:
          if (к.строка.starts_with("continue") && к.с_yes) {
            // "Да" to "Создать новый?": a new empty task, which cannot be continued.
            EXPECT_TRUE(изменён);
            EXPECT_NE(итог.текст.find("-> Да (--yes)"), std::string::npos) << итог.текст;
          } else {
            EXPECT_EQ(итог.код, 1) << итог.текст;
            EXPECT_FALSE(изменён);
            if (к.строка.starts_with("continue"))
              EXPECT_NE(итог.текст.find("испрчен"), std::string::npos) << итог.текст;
            else
              EXPECT_NE(итог.текст.find("damaged"), std::string::npos) << итог.текст;
          }
          break;
        case Состояние::Нечитаемый:
          // Out of reach is not damage: reported with the file's name, never replaced.
          EXPECT_EQ(итог.код, 3) << итог.текст;
          EXPECT_FALSE(изменён);
          EXPECT_NE(итог.текст.find("Korvella22.gzdat"), std::string::npos) << итог.текст;
          EXPECT_EQ(итог.текст.find("испрчен"), std::string::npos) << итог.текст;
          break;
        case Состояние::Шаг_выше_29:
          // No damage: the views show it, and continue resumes at step 0 and keeps the
          // finished timetable.
          EXPECT_EQ(итог.код, 0) << итог.текст;
          if (к.строка.starts_with("continue")) {
            EXPECT_NE(итог.текст.find(" 0  "), std::string::npos) << итог.текст;
            EXPECT_EQ(папка.Запустить("check").код, 0);
          } else {
            EXPECT_FALSE(изменён);
          }
          break;
      }
      // The views write nothing but their output into the folder.
      if (!к.строка.starts_with("continue")) {
        for (const auto& файл : fs::directory_iterator(папка.Папка_программы()))
          EXPECT_EQ(файл.path().filename(), "Korvella22.gzdat");
      }
    }
  }
}

TEST(Командная_строка, вторая_команда_на_той_же_папке_отказывается) {
  Папка_данных папка("замок");
  папка.Записать_байты(Готовая_задача());
  const std::string байты = папка.Байты();
  {
    Замок_папки занято(папка.Папка_программы());
    ASSERT_TRUE(занято.Захвачен());
    const auto второй = папка.Запустить("continue");
    EXPECT_EQ(второй.код, 1);
    EXPECT_NE(второй.текст.find("another korvella-cli is working on"), std::string::npos)
        << второй.текст;
    EXPECT_EQ(папка.Байты(), байты);
    // Reading needs no lock: saves are atomic, so a reader always sees a whole file.
    EXPECT_EQ(папка.Запустить("check").код, 0);
  }
  EXPECT_EQ(папка.Запустить("continue").код, 0);
}

TEST(Командная_строка, вывод_в_несуществующую_папку_или_в_папку) {
  Папка_данных папка("вывод");
  папка.Записать_байты(Готовая_задача());
  const auto в_папку = папка.Запустить("export --out " + папка.путь.string());
  EXPECT_EQ(в_папку.код, 1);
  EXPECT_NE(в_папку.текст.find("это папка"), std::string::npos) << в_папку.текст;
  const auto в_пустоту = папка.Запустить("export --out " + (папка.путь / "нет" / "t.xml").string());
  EXPECT_EQ(в_пустоту.код, 1);
  EXPECT_NE(в_пустоту.текст.find("нет. Файл не создан"), std::string::npos) << в_пустоту.текст;
  EXPECT_EQ(в_пустоту.текст.find("занят"), std::string::npos);
}

}  // namespace
}  // namespace korvella
