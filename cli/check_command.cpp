#include "cli/check_command.h"

#include <fstream>
#include <memory>

#include "core/data_files.h"
#include "timetable/timetable_check.h"

namespace korvella::cli {
namespace {

constexpr std::size_t kПоказать_нарушений = 20;

}  // namespace

int Отчёт_о_проверке(const тип_Главная_запись& з, std::FILE* вывод) {
  const auto итог = Проверка_основного_расписания(з);
  std::fprintf(вывод, "main timetable: %d classes, %dx%d, %d teachers, %d load rows, %d lessons\n",
               з.Количество_классов_в_школе, з.Количество_учебных_дней_в_неделе,
               з.Количество_уроков_в_день, з.Количество_шатных_преподавателей,
               з.Количество_учебных_нагрузок, итог.уроков);
  if (итог.Верно()) {
    std::fprintf(вывод, "check passed\n");
    return 0;
  }
  for (std::size_t i = 0; i < итог.нарушения.size() && i < kПоказать_нарушений; ++i)
    std::fprintf(вывод, "  %s\n", итог.нарушения[i].c_str());
  if (итог.нарушения.size() > kПоказать_нарушений)
    std::fprintf(вывод, "  ... and %zu more\n", итог.нарушения.size() - kПоказать_нарушений);
  std::fprintf(вывод, "check failed: %zu violation(s)\n", итог.нарушения.size());
  return 1;
}

int Выполнить_проверку(const Параметры&, std::FILE* вывод) {
  const auto путь = Путь_файла_главной_записи();
  auto з = std::make_unique<тип_Главная_запись>();
  std::ifstream файл(путь, std::ios::binary);
  if (!файл || !файл.read(reinterpret_cast<char*>(з.get()), sizeof(тип_Главная_запись))) {
    std::fprintf(вывод, "no readable data file %s\ncheck failed\n", путь.string().c_str());
    return 1;
  }
  if (!Содержимое_главной_записи_допустимо(*з)) {
    std::fprintf(вывод, "the data file %s is damaged\ncheck failed\n", путь.string().c_str());
    return 1;
  }
  return Отчёт_о_проверке(*з, вывод);
}

}  // namespace korvella::cli
