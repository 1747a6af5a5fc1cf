#include "bench/chain_task.h"

#include <filesystem>

#include "cli/chain_runner.h"
#include "core/data_files.h"
#include "core/random.h"

namespace korvella::bench {

std::unique_ptr<тип_Главная_запись> Новая_задача(const cli::Параметры& п, std::uint64_t зерно,
                                                 int до_шага, const После_расчёта& после) {
  static const Реестр_шагов реестр = cli::Реестр_всех_шагов();
  // A new task empties the substitution log, so the files need a folder of their own.
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
    auto модель = реестр.Создать(номер, среда);
    модель->Активировать();
    cli::Ввести_с_командной_строки(*модель, п, среда);
    if (auto* расчёт = dynamic_cast<Модель_расчётного_шага*>(модель.get())) {
      const auto начало = std::chrono::steady_clock::now();
      const auto итог = расчёт->Рассчитать();
      const auto время = std::chrono::steady_clock::now() - начало;
      if (после)
        после(номер, *расчёт, итог, std::chrono::duration_cast<std::chrono::nanoseconds>(время));
    }
    if (!модель->Продолжить()) модель->Закрыть();
  });
  Снять_главное_зерно();
  return з;
}

}  // namespace korvella::bench
