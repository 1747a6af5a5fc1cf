#include "cli/check_command.h"

#include "auxiliary/part_time_check.h"
#include "auxiliary/room_timetable_check.h"
#include "auxiliary/streams_check.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "timetable/timetable_check.h"

namespace korvella::cli {
namespace {

constexpr std::size_t kПоказать_нарушений = 20;

void Школа(const тип_Главная_запись& з, std::FILE* вывод) {
  std::fprintf(вывод, "school: %d classes, %dx%d, %d teachers, %d load rows\n",
               з.Количество_классов_в_школе, з.Количество_учебных_дней_в_неделе,
               з.Количество_уроков_в_день, з.Количество_шатных_преподавателей,
               з.Количество_учебных_нагрузок);
}

}  // namespace

const std::vector<Проверяемое_расписание>& Проверяемые_расписания() {
  static const std::vector<Проверяемое_расписание> расписания = {
      {"sanitary restrictions",
       [](const тип_Главная_запись& з) -> bool { return з.Готовы_санитарные_ограничения; }, false,
       Проверка_санитарных_запрещений, "forbidden hours"},
      {"special rooms",
       [](const тип_Главная_запись& з) -> bool { return з.Готово_расписание_спецпомещений; },
       false, Проверка_расписания_спецпомещений},
      {"part-timers", Есть_расписание_совместителей, false, Проверка_расписания_совместителей},
      {"streams", Расписание_потоков_есть, false,
       [](const тип_Главная_запись& з) -> Итог_проверки_расписания {
         return Проверка_расписания_потоков(з);
       }},
      {"main timetable", [](const тип_Главная_запись& з) -> bool { return з.Готово_основное_расписание; },
       true, [](const тип_Главная_запись& з) { return Проверка_основного_расписания(з, false); }},
  };
  return расписания;
}

int Отчёт_о_проверке(const тип_Главная_запись& з, std::FILE* вывод) {
  Школа(з, вывод);
  std::size_t всего = 0;
  std::string где;
  for (const Проверяемое_расписание& р : Проверяемые_расписания()) {
    if (!р.построено(з)) {
      std::fprintf(вывод, "%s: not built\n", р.название);
      if (р.обязательно) {
        ++всего;
        где += std::string(где.empty() ? "" : ", ") + р.название + " 1";
      }
      continue;
    }
    const Итог_проверки_расписания итог = р.проверить(з);
    std::fprintf(вывод, "%s: %d %s, %s\n", р.название, итог.уроков, р.что_считано,
                 итог.Верно() ? "sound" : "violations:");
    for (std::size_t i = 0; i < итог.нарушения.size() && i < kПоказать_нарушений; ++i)
      std::fprintf(вывод, "  %s: %s\n", р.название, итог.нарушения[i].c_str());
    if (итог.нарушения.size() > kПоказать_нарушений)
      std::fprintf(вывод, "  %s: ... and %zu more\n", р.название,
                   итог.нарушения.size() - kПоказать_нарушений);
    if (!итог.Верно()) {
      всего += итог.нарушения.size();
      где += std::string(где.empty() ? "" : ", ") + р.название + " " +
             std::to_string(итог.нарушения.size());
    }
  }
  if (всего == 0) {
    std::fprintf(вывод, "check passed\n");
    return kГотово;
  }
  std::fprintf(вывод, "check failed: %zu violation(s) (%s)\n", всего, где.c_str());
  return kНеудача;
}

int Команда_проверить(const Параметры&) {
  if (!Прочитать_для_просмотра()) {
    std::fprintf(stdout, "check failed\n");
    return kНеудача;
  }
  return Отчёт_о_проверке(Главная_запись, stdout);
}

}  // namespace korvella::cli
