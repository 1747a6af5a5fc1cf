#include "bench/chain_task.h"

#include <filesystem>

#include "app/program_steps.h"
#include "cli/chain_runner.h"
#include "core/data_files.h"
#include "core/random.h"

namespace korvella {

std::unique_ptr<тип_Главная_запись> Задача_до_шага(int шаг, int классов, const char* режим,
                                                   int зерно, std::vector<std::string> задачи) {
  static const Реестр_шагов реестр = Реестр_всех_шагов();
  // The chain's steps read and write nothing on disk, but loading needs a folder.
  static const bool папка = [] {
    const auto путь = std::filesystem::temp_directory_path() / "korvella_bench";
    std::filesystem::create_directories(путь);
    Установить_рабочий_каталог(путь.string());
    return true;
  }();
  (void)папка;
  auto з = std::make_unique<тип_Главная_запись>();
  Обнулить_запись(*з);
  з->Последняя_показанная_форма = -1;
  Диалоги_по_сценарию диалоги;
  Оболочка оболочка;
  Среда среда{*з, диалоги, оболочка};
  cli::Параметры п;
  п.команда = "new";
  п.опции["--classes"] = std::to_string(классов);
  п.опции["--mode"] = режим;
  if (!задачи.empty()) {
    std::string список;
    for (const auto& задача : задачи) список += (список.empty() ? "" : ",") + задача;
    п.опции["--tasks"] = список;
  }
  Установить_главное_зерно(зерно);
  Начать_новую_задачу(среда, [&](int номер) {
    if (номер >= шаг) {
      з->Флаг_продолжения = false;
      return;
    }
    auto модель = реестр.Создать(номер, среда);
    модель->Активировать();
    cli::Ввести_с_командной_строки(*модель, п, среда);
    if (auto* расчёт = dynamic_cast<Модель_расчётного_шага*>(модель.get())) расчёт->Рассчитать();
    if (!модель->Продолжить()) модель->Закрыть();
  });
  return з;
}

}  // namespace korvella
