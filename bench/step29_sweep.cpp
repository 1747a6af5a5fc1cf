// Step 29 over many seeds, as `korvella-cli new --seed N` runs it: the chain up
// to step 28 with autogeneration, then the main timetable, all in one process
// and without the data file. One line a seed on standard output:
//   classes mode seed outcome check step29_ms iterations attempt digest step29_cpu_ms
// `digest` is a 64-bit FNV-1a of the stored timetable (teachers and subjects of
// every class and hour), so two builds can be compared timetable by timetable;
// the processor time of step 29 does not depend on the load of the machine as
// its wall time does.
//
// usage: step29_sweep CLASSES 6x6|5x7 FIRST LAST
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/chain_task.h"
#include "timetable/main_timetable_step.h"
#include "timetable/timetable_check.h"

namespace korvella {
namespace {

double Процессорное_мс() {
  timespec т{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &т);
  return т.tv_sec * 1e3 + т.tv_nsec * 1e-6;
}

std::uint64_t Отпечаток(const тип_Главная_запись& з) {
  std::uint64_t х = 1469598103934665603ull;
  auto Добавить = [&](const void* данные, std::size_t размер) {
    const auto* байты = static_cast<const unsigned char*>(данные);
    for (std::size_t i = 0; i < размер; ++i) х = (х ^ байты[i]) * 1099511628211ull;
  };
  Добавить(&з.Школьное_расписание, sizeof з.Школьное_расписание);
  Добавить(&з.Расписание_предметов, sizeof з.Расписание_предметов);
  return х;
}

const char* Название_итога(Модель_расчётного_шага::Итог итог) {
  switch (итог) {
    case Модель_расчётного_шага::Итог::Готово: return "calculated";
    case Модель_расчётного_шага::Итог::Неудача: return "failed";
    case Модель_расчётного_шага::Итог::Остановлен: return "stopped";
    case Модель_расчётного_шага::Итог::Не_начат: break;
  }
  return "not_calculated";
}

void Прогон(int классов, const char* режим, std::uint64_t зерно) {
  auto з = std::make_unique<тип_Главная_запись>();
  const char* итог = "no_step_29";
  double мс = 0, мс_процессора = 0;
  bench::Цепочка_командной_строки(*з, классов, режим, зерно, [&](Модель_расчётного_шага& шаг) {
    const auto начало = std::chrono::steady_clock::now();
    const double начало_процессора = Процессорное_мс();
    итог = Название_итога(шаг.Рассчитать());
    мс_процессора = Процессорное_мс() - начало_процессора;
    мс = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - начало).count();
  });
  const bool верно = Проверка_основного_расписания(*з).Верно();
  std::printf("%d\t%s\t%llu\t%s\t%s\t%.3f\t%d\t%d\t%016llx\t%.3f\n", классов, режим,
              static_cast<unsigned long long>(зерно), итог, верно ? "pass" : "fail", мс,
              Счетчик_итераций.load(), Номер_попытки.load(),
              static_cast<unsigned long long>(Отпечаток(*з)), мс_процессора);
  std::fflush(stdout);
}

}  // namespace
}  // namespace korvella

int main(int argc, char** argv) {
  if (argc != 5 || (std::strcmp(argv[2], "6x6") != 0 && std::strcmp(argv[2], "5x7") != 0)) {
    std::fprintf(stderr, "usage: %s CLASSES 6x6|5x7 FIRST LAST\n", argv[0]);
    return 2;
  }
  const int классов = std::atoi(argv[1]);
  const std::uint64_t первое = std::strtoull(argv[3], nullptr, 10);
  const std::uint64_t последнее = std::strtoull(argv[4], nullptr, 10);
  for (std::uint64_t зерно = первое; зерно <= последнее; ++зерно)
    korvella::Прогон(классов, argv[2], зерно);
}
