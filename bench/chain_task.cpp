#include "bench/chain_task.h"

#include <filesystem>
#include <string>

#include "app/program_steps.h"
#include "cli/chain_runner.h"
#include "core/data_files.h"
#include "core/random.h"

namespace korvella::bench {

void Цепочка_командной_строки(
    тип_Главная_запись& з, const cli::Параметры& п, std::uint64_t зерно,
    const std::function<void(int номер, Модель_расчётного_шага&)>& рассчитать, int до_шага) {
  static const Реестр_шагов реестр = Реестр_всех_шагов();
  // A new task empties the substitution log, so the files need a folder of their own.
  static const bool папка = [] {
    const auto путь = std::filesystem::temp_directory_path() / "korvella_bench";
    std::filesystem::create_directories(путь);
    Установить_рабочий_каталог(путь.string());
    return true;
  }();
  (void)папка;
  Обнулить_запись(з);
  з.Последняя_показанная_форма = -1;
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{з, диалоги, оболочка};
  Установить_главное_зерно(зерно);
  Начать_новую_задачу(среда, [&](int номер) {
    if (номер >= до_шага) {
      з.Флаг_продолжения = false;
      return;
    }
    auto модель = реестр.Создать(номер, среда);
    модель->Активировать();
    cli::Ввести_с_командной_строки(*модель, п, среда);
    if (auto* расчёт = dynamic_cast<Модель_расчётного_шага*>(модель.get())) {
      if (рассчитать)
        рассчитать(номер, *расчёт);
      else
        расчёт->Рассчитать();
    }
    if (!модель->Продолжить()) модель->Закрыть();
  });
}

namespace {

cli::Параметры Параметры_новой_задачи(int классов, const char* режим, const char* задачи) {
  cli::Параметры п;
  п.команда = "new";
  п.опции["--classes"] = std::to_string(классов);
  п.опции["--mode"] = режим;
  if (задачи) п.опции["--tasks"] = задачи;
  return п;
}

}  // namespace

void Цепочка_командной_строки(тип_Главная_запись& з, int классов, const char* режим,
                              std::uint64_t зерно,
                              const std::function<void(Модель_расчётного_шага&)>& шаг_29) {
  Цепочка_командной_строки(з, классов, режим, nullptr, зерно, 29, шаг_29);
}

void Цепочка_командной_строки(тип_Главная_запись& з, int классов, const char* режим,
                              const char* задачи, std::uint64_t зерно, int шаг,
                              const std::function<void(Модель_расчётного_шага&)>& расчёт) {
  Цепочка_командной_строки(
      з, Параметры_новой_задачи(классов, режим, задачи), зерно,
      [&](int номер, Модель_расчётного_шага& м) {
        if (номер == шаг && расчёт)
          расчёт(м);
        else
          м.Рассчитать();
      },
      шаг + 1);
}

}  // namespace korvella::bench
