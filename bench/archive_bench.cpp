// Archive and restore of a program folder: a data file and a remembered copy,
// and a log of 10,000 substitutions (1.76 MB). "zeros" is a fresh task (the
// record is mostly empty), "noise" the worst case of incompressible bytes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "core/archive.h"
#include "core/data_files.h"
#include "core/main_record.h"

namespace {
namespace fs = std::filesystem;
using namespace korvella;

fs::path Подготовить(bool шум) {
  const fs::path корень =
      fs::temp_directory_path() / ("korvella_archive_bench_" + std::to_string(::getpid()));
  fs::remove_all(корень);
  Установить_рабочий_каталог((корень / "work").string());
  fs::create_directories(Папка_программы());
  std::vector<char> запись(sizeof(тип_Главная_запись), 0);
  std::vector<char> журнал(176 * 10'000, 0);
  std::mt19937 г(1);
  if (шум) {
    for (auto& б : запись) б = static_cast<char>(г());
    for (auto& б : журнал) б = static_cast<char>(г());
  }
  // Only the data file must pass the start-up checks: a valid empty record.
  auto з = std::make_unique<тип_Главная_запись>();
  Обнулить_запись(*з);
  з->Количество_учебных_дней_в_неделе = 6;
  з->Последняя_показанная_форма = -1;
  std::ofstream(Путь_файла_главной_записи(), std::ios::binary)
      .write(reinterpret_cast<const char*>(з.get()), sizeof *з);
  std::ofstream(Путь_запомненного_файла(), std::ios::binary).write(запись.data(), запись.size());
  std::ofstream(Папка_программы() / "Korvella_gur22.gurdat", std::ios::binary)
      .write(журнал.data(), журнал.size());
  return корень;
}

void Архивирование(benchmark::State& state) {
  const fs::path корень = Подготовить(state.range(0) != 0);
  const fs::path архив = Путь_архива(корень / "volume", "");
  for (auto _ : state) {
    if (Архивирование_данных(архив).итог != Итог_архивирования::Готово)
      state.SkipWithError("failed");
  }
  state.counters["zip_bytes"] = static_cast<double>(fs::file_size(архив));
  fs::remove_all(корень);
}

void Восстановление(benchmark::State& state) {
  const fs::path корень = Подготовить(state.range(0) != 0);
  const fs::path архив = Путь_архива(корень / "volume", "");
  Архивирование_данных(архив);
  for (auto _ : state) {
    if (!Восстановление_данных(архив).успех) state.SkipWithError("failed");
  }
  fs::remove_all(корень);
}

BENCHMARK(Архивирование)->ArgName("noise")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Восстановление)->ArgName("noise")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
