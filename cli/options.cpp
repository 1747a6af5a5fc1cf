#include "cli/options.h"

#include <charconv>
#include <set>

namespace korvella::cli {

const char* const kСправка =
    "usage: korvella-cli [--data-dir DIR] COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  new [--seed N] [--tasks LIST] [--classes N] [--mode 6x6|5x7]\n"
    "        start a new task with autogeneration on and run the whole chain,\n"
    "        pressing \"Продолжить\" at every step\n"
    "        LIST: comma-separated optional tasks: rooms, parttime, streams, groups\n"
    "  continue [--seed N]\n"
    "        resume the chain at the last step shown\n"
    "  check\n"
    "        verify the stored main timetable against the rules the record lets\n"
    "        one judge; exit 1 on any violation\n"
    "  show classes|teachers\n"
    "        print the class or teacher timetable grid as tab-separated text\n"
    "  export [--out FILE]\n"
    "        write the class timetable as a SpreadsheetML file: FILE, or\n"
    "        \"Расписание классов.xml\" in the Documents folder\n"
    "\n"
    "DIR is the working folder; the files lie in DIR/ZRB_Lab/ZRB_Korvella_025.\n"
    "exit codes: 0 finished, 1 a calculation failed or the chain stopped,\n"
    "            2 usage, 3 internal failure\n";

namespace {

template <class T>
bool Число(const std::string& т, T& значение) {
  const auto [конец, ошибка] = std::from_chars(т.data(), т.data() + т.size(), значение);
  return ошибка == std::errc() && конец == т.data() + т.size();
}

std::vector<std::string> Разбить(const std::string& т) {
  std::vector<std::string> части;
  std::string текущая;
  for (char c : т) {
    if (c == ',') {
      if (!текущая.empty()) части.push_back(текущая);
      текущая.clear();
    } else {
      текущая.push_back(c);
    }
  }
  if (!текущая.empty()) части.push_back(текущая);
  return части;
}

}  // namespace

std::optional<Параметры> Разобрать(int argc, char** argv, std::string& ошибка) {
  Параметры п;
  for (int i = 1; i < argc; ++i) {
    const std::string слово = argv[i];
    auto Значение = [&](std::string& куда) {
      if (i + 1 >= argc) {
        ошибка = слово + " needs a value";
        return false;
      }
      куда = argv[++i];
      return true;
    };
    std::string значение;
    if (слово == "--data-dir") {
      if (!Значение(значение)) return std::nullopt;
      п.каталог_данных = значение;
    } else if (слово == "--seed") {
      std::uint64_t зерно = 0;
      if (!Значение(значение)) return std::nullopt;
      if (!Число(значение, зерно)) {
        ошибка = "--seed takes a non-negative integer";
        return std::nullopt;
      }
      п.зерно = зерно;
    } else if (слово == "--tasks") {
      if (!Значение(значение)) return std::nullopt;
      static const std::set<std::string> kЗадачи = {"rooms", "parttime", "streams", "groups"};
      п.задачи = Разбить(значение);
      for (const auto& з : *п.задачи) {
        if (!kЗадачи.count(з)) {
          ошибка = "unknown task '" + з + "' (rooms, parttime, streams, groups)";
          return std::nullopt;
        }
      }
    } else if (слово == "--classes") {
      int классы = 0;
      if (!Значение(значение)) return std::nullopt;
      if (!Число(значение, классы)) {
        ошибка = "--classes takes an integer";
        return std::nullopt;
      }
      п.классы = классы;
    } else if (слово == "--mode") {
      if (!Значение(значение)) return std::nullopt;
      if (значение != "6x6" && значение != "5x7") {
        ошибка = "--mode takes 6x6 or 5x7";
        return std::nullopt;
      }
      п.режим = значение;
    } else if (слово == "--out") {
      if (!Значение(значение)) return std::nullopt;
      п.выходной_файл = значение;
    } else if (слово == "-h" || слово == "--help") {
      п.команда = "help";
      return п;
    } else if (!слово.empty() && слово[0] == '-') {
      ошибка = "unknown option " + слово;
      return std::nullopt;
    } else if (п.команда.empty()) {
      п.команда = слово;
    } else {
      п.аргументы.push_back(слово);
    }
  }
  if (п.команда.empty()) {
    ошибка = "no command";
    return std::nullopt;
  }
  return п;
}

}  // namespace korvella::cli
