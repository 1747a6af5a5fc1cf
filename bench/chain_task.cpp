#include "bench/chain_task.h"

#include <filesystem>

#include "app/program_steps.h"
#include "cli/chain_runner.h"
#include "core/data_files.h"
#include "core/random.h"

namespace korvella::bench {

const Реестр_шагов& Реестр() {
  static const Реестр_шагов реестр = Реестр_всех_шагов();
  return реестр;
}

std::unique_ptr<тип_Главная_запись> Задача_до_шага(int до_шага, const cli::Параметры& п,
                                                   std::uint64_t зерно) {
  // The chain clears the substitution log: keep it out of the user's folder.
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
  Установить_главное_зерно(зерно);
  Начать_новую_задачу(среда, [&](int номер) {
    if (номер >= до_шага) {
      з->Флаг_продолжения = false;
      return;
    }
    auto модель = Реестр().Создать(номер, среда);
    модель->Активировать();
    cli::Ввести_с_командной_строки(*модель, п, среда);
    if (auto* расчёт = dynamic_cast<Модель_расчётного_шага*>(модель.get())) расчёт->Рассчитать();
    if (!модель->Продолжить()) модель->Закрыть();
  });
  return з;
}

}  // namespace korvella::bench
