// Whole new tasks with the stream task over many seeds, sizes and grid modes,
// in-process as `korvella-cli new --tasks ...` runs them. Per size it reports
// how often step 17 and the whole task succeed, which path placed the stream
// lessons, how often the generated total load leaves the colouring untried or
// exceeds the week, and the time of step 17: wall (median, 99th percentile, worst)
// and this thread's CPU time, which the load of a shared machine does not inflate.
// A whole task counts as done when step 29 is and both checks accept the record
// (and, on the colouring path, no stream has two lessons on one day).
//
// usage: streams_sweep [-s FIRST] [-n LAST] [-c "5 10 17 23 28"] [-m "6x6 5x7"]
//                      [-t "streams rooms,parttime,streams"]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "auxiliary/streams_check.h"
#include "auxiliary/streams_timetable_step.h"
#include "bench/chain_task.h"
#include "timetable/timetable_check.h"

namespace korvella {
namespace {

struct Итоги_размера {
  int прогонов = 0;
  int шаг_17_готов = 0;
  int задача_готова = 0;       // step 29 done, both checks pass
  int проверка_не_прошла = 0;  // a done timetable that a check refuses
  int раскраской = 0;
  int запасным = 0;
  int выше_границы_раскраски = 0;  // total > W': the colouring is not tried
  int выше_недели = 0;             // total > D·L: no placement can exist
  int попыток_раскраски_макс = 0;
  int нагрузка_макс = 0;  // the largest generated total load
  std::vector<double> мкс_шага_17;
  std::vector<double> мкс_процессора_шага_17;  // this thread's CPU time: free of the machine's load
};

std::vector<std::string> Слова(const std::string& строка) {
  std::istringstream поток(строка);
  std::vector<std::string> слова;
  for (std::string с; поток >> с;) слова.push_back(с);
  return слова;
}

double Мкс_процессора() {
  timespec т{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &т);
  return т.tv_sec * 1e6 + т.tv_nsec * 1e-3;
}

double Процентиль(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const auto k = static_cast<std::size_t>(std::max(1.0, std::ceil(p * v.size())));
  return v[std::min(k, v.size()) - 1];
}

void Прогон(const std::string& задачи, int C, const std::string& режим, int зерно,
            Итоги_размера& и) {
  cli::Параметры п;
  п.команда = "new";
  п.опции["--classes"] = std::to_string(C);
  п.опции["--mode"] = режим;
  п.опции["--tasks"] = задачи;
  Ход_расчёта_потоков ход;
  bool шаг_17 = false;
  auto з = std::make_unique<тип_Главная_запись>();
  bench::Цепочка_командной_строки(*з, п, зерно, [&](int номер, Модель_расчётного_шага& м) {
    const auto начало = std::chrono::steady_clock::now();
    const double начало_процессора = Мкс_процессора();
    const auto итог = м.Рассчитать();
    if (номер != 17) return;
    и.мкс_процессора_шага_17.push_back(Мкс_процессора() - начало_процессора);
    const std::chrono::duration<double, std::micro> время =
        std::chrono::steady_clock::now() - начало;
    и.мкс_шага_17.push_back(время.count());
    ход = static_cast<const Модель_расписание_для_потоков&>(м).Ход();
    шаг_17 = итог == Модель_расчётного_шага::Итог::Готово;
  });
  ++и.прогонов;
  и.шаг_17_готов += шаг_17;
  и.раскраской += ход.путь == Ход_расчёта_потоков::Путь::Раскраска;
  и.запасным += ход.путь == Ход_расчёта_потоков::Путь::Случайная_расстановка;
  const int всего = з->Суммарная_потоковая_нагрузка;
  и.выше_границы_раскраски += всего > ход.граница_раскраски;
  и.выше_недели += всего > з->Количество_учебных_дней_в_неделе * з->Количество_уроков_в_день;
  и.попыток_раскраски_макс = std::max(и.попыток_раскраски_макс, ход.попыток_раскраски);
  и.нагрузка_макс = std::max(и.нагрузка_макс, всего);
  // The colouring never gives a stream two lessons a day; the record cannot tell
  // the path, so this sweep, which knows it, checks that rule.
  const auto потоки = Проверка_расписания_потоков(*з);
  const bool проверено = Проверка_основного_расписания(*з).Верно() && потоки.Верно() &&
                         (ход.путь != Ход_расчёта_потоков::Путь::Раскраска ||
                          потоки.потоков_с_двумя_уроками_в_день == 0);
  if (з->Готово_основное_расписание && шаг_17) {
    if (проверено) {
      ++и.задача_готова;
    } else {
      ++и.проверка_не_прошла;
    }
  }
}

}  // namespace
}  // namespace korvella

int main(int argc, char** argv) {
  using namespace korvella;
  int первое = 1, последнее = 300;
  std::string классы = "5 10 17 23 28", режимы = "6x6 5x7", задачи = "streams";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string ключ = argv[i], значение = argv[i + 1];
    if (ключ == "-s")
      первое = std::atoi(значение.c_str());
    else if (ключ == "-n")
      последнее = std::atoi(значение.c_str());
    else if (ключ == "-c")
      классы = значение;
    else if (ключ == "-m")
      режимы = значение;
    else if (ключ == "-t")
      задачи = значение;
    else {
      std::fprintf(stderr, "unknown option %s\n", ключ.c_str());
      return 2;
    }
  }
  std::printf("%-28s %3s %4s %5s %8s %8s %6s %6s %7s %7s %6s %5s | %27s | %17s | %s\n", "tasks",
              "C", "mode", "runs", "step17%", "whole%", "badck", "colour", "fallbk", ">W'", ">week",
              "maxld", "step 17 us: med / p99 / worst", "CPU us: p99 / worst", "max tries");
  for (const auto& набор : Слова(задачи))
    for (const auto& с : Слова(классы))
      for (const auto& режим : Слова(режимы)) {
        Итоги_размера и;
        for (int зерно = первое; зерно <= последнее; ++зерно)
          Прогон(набор, std::atoi(с.c_str()), режим, зерно, и);
        const double н = и.прогонов;
        std::printf(
            "%-28s %3s %4s %5d %8.2f %8.2f %6d %6.2f %7.2f %7.2f %6.2f %5d | %8.1f / %7.1f / %8.1f "
            "| %7.1f / %7.1f | %d\n",
            набор.c_str(), с.c_str(), режим.c_str(), и.прогонов, 100 * и.шаг_17_готов / н,
            100 * и.задача_готова / н, и.проверка_не_прошла, 100 * и.раскраской / н,
            100 * и.запасным / н, 100 * и.выше_границы_раскраски / н, 100 * и.выше_недели / н,
            и.нагрузка_макс, Процентиль(и.мкс_шага_17, 0.5), Процентиль(и.мкс_шага_17, 0.99),
            Процентиль(и.мкс_шага_17, 1.0), Процентиль(и.мкс_процессора_шага_17, 0.99),
            Процентиль(и.мкс_процессора_шага_17, 1.0), и.попыток_раскраски_макс);
        std::fflush(stdout);
      }
  return 0;
}
