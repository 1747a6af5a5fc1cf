// The views of the command-line program: `show classes|teachers` prints a tab's
// grid as tab-separated text, `export [--out FILE]` writes the class timetable's
// spreadsheet. Both read the data file and leave it as it is.
#pragma once

#include <cstdio>
#include <string>

#include "cli/options.h"
#include "core/dialogs.h"
#include "core/main_record.h"

namespace korvella::cli {

// Usage errors of `show` beyond the word count; empty when none.
std::string Проверить_показ(const Параметры& п);

// Runs the command on a loaded record; the dialogs say what the windows would.
// Returns the exit code.
int Показать_вкладку(const тип_Главная_запись& з, const std::string& вкладка, Диалоги& диалоги,
                     std::FILE* вывод);
int Вывести_в_файл(const тип_Главная_запись& з, const Параметры& п, Диалоги& диалоги,
                   std::FILE* вывод);

// The commands: read the data file and run.
int Команда_показать(const Параметры& п);
int Команда_вывести(const Параметры& п);

}  // namespace korvella::cli
