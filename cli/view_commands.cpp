#include "cli/view_commands.h"

#include <memory>

#include "cli/cli_dialogs.h"
#include "core/data_files.h"
#include "views/class_tab.h"
#include "views/spreadsheet_writer.h"
#include "views/teacher_grid.h"

namespace korvella::cli {
namespace {

void Напечатать(const Строковая_таблица& т, std::FILE* вывод) {
  for (int r = 0; r < т.Строк(); ++r) {
    std::string строка;
    for (int c = 0; c < т.Столбцов(); ++c) {
      if (c > 0) строка += '\t';
      for (char ch : т.Ячейка(c, r)) строка += (ch == '\t' || ch == '\n' || ch == '\r') ? ' ' : ch;
    }
    std::fprintf(вывод, "%s\n", строка.c_str());
  }
}

// The class tab as the main window shows it after a refresh.
std::unique_ptr<Вкладка_расписание_классов> Вкладка_классов(const тип_Главная_запись& з) {
  auto вкладка = std::make_unique<Вкладка_расписание_классов>();
  вкладка->Сетка().Очистка();
  вкладка->Сетка().Заполнение(з);
  return вкладка;
}

}  // namespace

bool Команда_просмотра(const std::string& команда) {
  return команда == "show" || команда == "export";
}

std::string Ошибка_команды_просмотра(const Параметры& п) {
  if (п.команда == "show") {
    if (п.аргументы.size() != 1 || (п.аргументы[0] != "classes" && п.аргументы[0] != "teachers"))
      return "show takes one of: classes, teachers";
    if (п.выходной_файл) return "--out is an option of export";
  } else if (п.команда == "export" && !п.аргументы.empty()) {
    return "export takes no words, only --out FILE";
  }
  return {};
}

int Показать_вкладку(const тип_Главная_запись& з, const std::string& вкладка, Диалоги& диалоги,
                     std::FILE* вывод) {
  if (вкладка == "classes") {
    Напечатать(Вкладка_классов(з)->Таблица(), вывод);
  } else {
    auto преподаватели = std::make_unique<Вкладка_расписание_преподавателей>();
    преподаватели->Построение(з, диалоги);
    Напечатать(преподаватели->Таблица(), вывод);
  }
  return 0;
}

int Вывести_в_файл(const тип_Главная_запись& з, const Параметры& п, Диалоги& диалоги,
                   std::FILE* вывод) {
  const auto вкладка = Вкладка_классов(з);
  if (!п.выходной_файл) {
    if (!вкладка->Вывод_в_файл(з, диалоги)) return 1;
    std::fprintf(вывод, "%s\n", Путь_файла_Excel().string().c_str());
    return 0;
  }
  // An explicit file is the user's own choice: no questions about the Documents
  // folder, but the same precondition as the tool bar's action.
  if (!вкладка->Вывод_в_файл_возможен(з, диалоги)) return 1;
  if (!Записать_файл_Excel(*п.выходной_файл, вкладка->Таблица(), вкладка->Сетка().Раскраска(),
                           диалоги))
    return 1;
  std::fprintf(вывод, "%s\n", п.выходной_файл->c_str());
  return 0;
}

int Выполнить_команду_просмотра(const Параметры& п) {
  // Standard output carries the grid alone.
  Диалоги_командной_строки диалоги(stderr, "");
  Загрузка_главной_записи(Главная_запись, диалоги);
  if (п.команда == "show") return Показать_вкладку(Главная_запись, п.аргументы[0], диалоги, stdout);
  return Вывести_в_файл(Главная_запись, п, диалоги, stdout);
}

}  // namespace korvella::cli
