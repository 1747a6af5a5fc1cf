#include "cli/commands.h"

#include "cli/archive_commands.h"
#include "cli/chain_runner.h"
#include "cli/check_command.h"
#include "cli/view_commands.h"

namespace korvella::cli {
namespace {

const Опция kЗерно{"--seed", "N", "makes the run repeat exactly", Неотрицательное_целое};
const Опция kДа{"--yes", nullptr,
                "answer \"Да\" to questions whose \"Да\" deletes, replaces or overwrites data"};

}  // namespace

const std::vector<Команда>& Команды() {
  static const std::vector<Команда> команды = {
      {"new", "", 0, 0,
       {kЗерно,
        {"--tasks", "LIST", "optional tasks of step 0: rooms, parttime, streams, groups",
         Проверить_задачи},
        {"--classes", "N", "the class count typed into step 1 (5..28)", Неотрицательное_целое},
        {"--mode", "6x6|5x7", "the school's working mode chosen in step 1", Непустое},
        kДа},
       "start a new task with autogeneration on and run the whole chain,\n"
       "pressing \"Продолжить\" at every step\n",
       Проверить_новую_задачу, Команда_новая_задача},
      {"continue", "", 0, 0, {kЗерно, kДа}, "resume the chain at the last step shown\n", nullptr,
       Команда_продолжить},
      {"check", "", 0, 0, {},
       "verify every finished timetable of the data file against the rules the\n"
       "record lets one judge; exit 1 on any violation\n",
       nullptr, Команда_проверить},
      {"show", "classes|teachers", 1, 1, {},
       "print the class or teacher timetable grid as tab-separated text\n", Проверить_показ,
       Команда_показать},
      {"export", "", 0, 0,
       {{"--out", "FILE", "the file to write instead of the Documents folder's", Непустое}, kДа},
       "write the class timetable as a SpreadsheetML file: FILE, or\n"
       "\"Расписание классов.xml\" in the Documents folder\n",
       nullptr, Команда_вывести},
      {"archive", "", 0, 0,
       {{"--to", "DIR", "the volume or folder the archive goes to", Непустое},
        {"--folder", "NAME", "a folder in DIR, created when missing (one name)"},
        kДа},
       "write the archive of the program folder to\n"
       "DIR[/NAME]/ZRB_Korvella_025_22.zip; an existing archive is replaced only\n"
       "with --yes\n",
       Проверить_архивирование, Команда_архивировать},
      {"restore", "FILE", 1, 1, {kДа},
       "replace the program folder with the content of the archive FILE\n"
       "(ZRB_Korvella_025_22.zip); needs --yes, as it replaces all current data\n",
       nullptr, Команда_восстановить},
  };
  return команды;
}

const Команда* Найти_команду(const std::string& имя) {
  for (const Команда& к : Команды())
    if (имя == к.имя) return &к;
  return nullptr;
}

std::string Справка() {
  std::string т = "usage: korvella-cli [--data-dir DIR] COMMAND [options]\n\ncommands:\n";
  auto Строки_с_отступом = [&](const char* текст, const char* отступ) {
    std::string строка;
    for (const char* c = текст; *c; ++c) {
      строка += *c;
      if (*c == '\n') {
        т += отступ + строка;
        строка.clear();
      }
    }
    if (!строка.empty()) т += отступ + строка + "\n";
  };
  for (const Команда& к : Команды()) {
    т += "  " + std::string(к.имя);
    if (*к.слова) т += " " + std::string(к.слова);
    for (const Опция& о : к.опции)
      т += " [" + std::string(о.имя) + (о.значение ? " " + std::string(о.значение) : "") + "]";
    т += "\n";
    Строки_с_отступом(к.пояснение, "        ");
    for (const Опция& о : к.опции)
      т += "        " + std::string(о.имя) + ": " + о.пояснение + "\n";
  }
  т +=
      "\n"
      "DIR is the working folder; the files lie in DIR/ZRB_Lab/ZRB_Korvella_025.\n"
      "Commands that only look at the data (check, show, export) never write, create\n"
      "or delete the data files. A question whose \"Да\" would delete, replace or\n"
      "overwrite data is answered \"Нет\" unless --yes is given.\n"
      "exit codes: 0 finished, 1 a calculation failed, the chain stopped, a check\n"
      "            failed or a question was answered \"Нет\", 2 usage, 3 internal failure\n";
  return т;
}

std::string Ошибка_употребления(const Параметры& п) {
  const Команда* к = Найти_команду(п.команда);
  if (!к) return "unknown command " + п.команда;
  const int слов = static_cast<int>(п.слова.size());
  if (слов < к->слов_не_меньше || слов > к->слов_не_больше) {
    if (к->слов_не_больше == 0)
      return п.команда + " takes no words, only options (\"" + п.слова.front() + "\" given)";
    return п.команда + " takes " + (*к->слова ? к->слова : "words") +
           (слов > к->слов_не_больше ? " (too many words)" : "");
  }
  return к->проверить ? к->проверить(п) : std::string();
}

}  // namespace korvella::cli
