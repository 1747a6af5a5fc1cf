// `korvella-cli check`: verifies every timetable the data file holds as done
// against the rules the record lets one judge, says which timetable each
// violation belongs to, and exits 1 on any violation. The data file is only read.
#pragma once

#include <cstdio>

#include "cli/options.h"
#include "core/check_result.h"
#include "core/main_record.h"

namespace korvella::cli {

// One timetable the check knows.
struct Проверяемое_расписание {
  const char* название;  // "main timetable"
  // Whether the record holds this timetable as done, so that it is verified.
  bool (*построено)(const тип_Главная_запись&);
  // A record without it fails the check (the main timetable: a task that has none
  // is not finished); otherwise a missing one is only mentioned.
  bool обязательно;
  Итог_проверки_расписания (*проверить)(const тип_Главная_запись&);
  // What the check's count counts, for the report.
  const char* что_считано = "lessons";
};

// Every timetable, in the order of the chain. A new timetable adds its row in
// check_command.cpp.
const std::vector<Проверяемое_расписание>& Проверяемые_расписания();

// Prints the report of one record; the exit code: 0 sound, 1 violations.
int Отчёт_о_проверке(const тип_Главная_запись& запись, std::FILE* вывод);

int Команда_проверить(const Параметры& п);

}  // namespace korvella::cli
