// `korvella-cli check`: verifies the stored main timetable against every rule
// the record lets one judge, prints a short report and exits 1 on any violation.
// The data file is only read: a missing or damaged file is reported, never replaced.
#pragma once

#include <cstdio>

#include "cli/options.h"
#include "core/main_record.h"

namespace korvella::cli {

// Prints the report of one record; the exit code: 0 sound, 1 violations.
int Отчёт_о_проверке(const тип_Главная_запись& запись, std::FILE* вывод);

// Reads the data file of the working folder and checks it.
int Выполнить_проверку(const Параметры& параметры, std::FILE* вывод);

}  // namespace korvella::cli
