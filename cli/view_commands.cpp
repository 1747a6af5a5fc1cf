#include "cli/view_commands.h"

#include <memory>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/session.h"
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

std::string Проверить_показ(const Параметры& п) {
  if (п.слова[0] != "classes" && п.слова[0] != "teachers")
    return "show takes one of: classes, teachers";
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
  const auto выходной_файл = п.Значение("--out");
  if (!выходной_файл) {
    if (!вкладка->Вывод_в_файл(з, диалоги)) return 1;
    std::fprintf(вывод, "%s\n", Путь_файла_Excel().string().c_str());
    return 0;
  }
  // An explicit file is the user's own choice: no questions about the Documents
  // folder, but the same precondition as the tool bar's action.
  if (!вкладка->Вывод_в_файл_возможен(з, диалоги)) return 1;
  if (!Записать_файл_Excel(*выходной_файл, вкладка->Таблица(), вкладка->Сетка().Раскраска(),
                           диалоги))
    return 1;
  std::fprintf(вывод, "%s\n", выходной_файл->c_str());
  return 0;
}

int Команда_показать(const Параметры& п) {
  if (!Прочитать_для_просмотра()) return kНеудача;
  // Standard output carries the grid alone.
  Диалоги_командной_строки диалоги(stderr, "");
  return Показать_вкладку(Главная_запись, п.слова[0], диалоги, stdout);
}

int Команда_вывести(const Параметры& п) {
  if (!Прочитать_для_просмотра()) return kНеудача;
  Диалоги_командной_строки диалоги(stderr, "", п.Согласие_на_утрату_данных());
  return Вывести_в_файл(Главная_запись, п, диалоги, stdout);
}

}  // namespace korvella::cli
