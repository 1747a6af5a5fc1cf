#include "cli/chain_runner.h"

#include <algorithm>
#include <chrono>

#include "app/program_steps.h"
#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "core/text_codec.h"
#include "entry/base_parameters_step.h"
#include "entry/task_list_step.h"
#include "entry/typed_input.h"

namespace korvella::cli {

Прогон_цепочки::Прогон_цепочки(Среда& среда, const Реестр_шагов& реестр,
                               const Параметры& параметры, std::FILE* вывод)
    : среда_(среда), реестр_(реестр), параметры_(параметры), вывод_(вывод) {}

void Прогон_цепочки::Показать(int номер) {
  auto модель = реестр_.Создать(номер, среда_);
  модель->Активировать();
  Ввести_с_командной_строки(*модель, параметры_, среда_);

  std::string итог;
  if (auto* расчёт = dynamic_cast<Модель_расчётного_шага*>(модель.get())) {
    const auto начало = std::chrono::steady_clock::now();
    const auto результат = расчёт->Рассчитать();
    const double секунды =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - начало).count();
    char время[32];
    // Microseconds: most auxiliary calculations take well under a millisecond.
    std::snprintf(время, sizeof время, "%.6f s", секунды);
    switch (результат) {
      case Модель_расчётного_шага::Итог::Готово: итог = "calculated"; break;
      case Модель_расчётного_шага::Итог::Неудача: итог = "calculation failed"; break;
      case Модель_расчётного_шага::Итог::Остановлен: итог = "calculation stopped"; break;
      case Модель_расчётного_шага::Итог::Не_начат: итог = "not calculated"; break;
    }
    итог += std::string(", ") + время;
    const std::string сводка = расчёт->Сводка_расчёта();
    if (!сводка.empty()) итог += ", " + сводка;
    if (результат != Модель_расчётного_шага::Итог::Готово) сбой_ = true;
  }

  if (модель->Продолжить()) {
    итог = итог.empty() ? "continued" : итог + "; continued";
  } else {
    модель->Закрыть();
    итог = "refused: " + Одной_строкой(модель->Последний_отказ()->текст);
    сбой_ = true;
  }
  std::fprintf(вывод_, "%2d  %s  %s\n", номер, модель->Заголовок().c_str(), итог.c_str());
  std::fflush(вывод_);
}

std::vector<std::string> Задачи_командной_строки(const std::string& список) {
  std::vector<std::string> задачи;
  std::size_t начало = 0;
  while (true) {
    const std::size_t запятая = список.find(',', начало);
    задачи.push_back(список.substr(начало, запятая == std::string::npos ? std::string::npos
                                                                       : запятая - начало));
    if (запятая == std::string::npos) return задачи;
    начало = запятая + 1;
  }
}

std::string Проверить_задачи(const std::string& список) {
  static const char* const kЗадачи[] = {"rooms", "parttime", "streams", "groups"};
  for (const std::string& задача : Задачи_командной_строки(список)) {
    if (задача.empty()) return "takes a comma-separated list without empty items";
    if (std::find(std::begin(kЗадачи), std::end(kЗадачи), задача) == std::end(kЗадачи))
      return "knows no task '" + задача + "' (rooms, parttime, streams, groups)";
  }
  return {};
}

void Ввести_с_командной_строки(Модель_шага& модель, const Параметры& п, Среда&) {
  if (auto* задачи = dynamic_cast<Модель_список_решаемых_задач*>(&модель); задачи && п.Есть("--tasks")) {
    using Задача = Модель_список_решаемых_задач::Задача;
    const auto выбранные = Задачи_командной_строки(*п.Значение("--tasks"));
    auto Выбрана = [&](const char* имя) {
      return std::find(выбранные.begin(), выбранные.end(), имя) != выбранные.end();
    };
    задачи->Отметить(Задача::Спецпомещения, Выбрана("rooms"));
    задачи->Отметить(Задача::Совместители, Выбрана("parttime"));
    задачи->Отметить(Задача::Потоки, Выбрана("streams"));
    задачи->Отметить(Задача::Разделения, Выбрана("groups"));
  }
  if (auto* параметры = dynamic_cast<Модель_базовые_параметры*>(&модель)) {
    if (const auto режим = п.Значение("--mode"))
      параметры->Выбрать_режим(*режим == "6x6" ? Модель_базовые_параметры::kРежим_6х6
                                               : Модель_базовые_параметры::kРежим_5х7);
    if (const auto классы = п.Число("--classes")) {
      // Typed key by key over the proposed count: what the edit swallows is lost,
      // as it would be for a user, and said so.
      while (!параметры->Поле_классов().empty() && параметры->Нажать_клавишу_в_поле(kBackspace)) {
      }
      for (char32_t клавиша : Из_UTF8(std::to_string(*классы)))
        if (!параметры->Нажать_клавишу_в_поле(клавиша))
          std::printf("    [input] %s: the key \"%s\" is not accepted, the edit holds \"%s\"\n",
                      Модель_базовые_параметры::kПоле_классов,
                      В_UTF8(std::u32string(1, клавиша)).c_str(), параметры->Поле_классов().c_str());
    }
  }
}

namespace {

int Пройти(const Параметры& п, bool новая) {
  // Under the step lines of the chain, indented.
  return С_изменением_данных(п, stdout, "    ", [&](Среда& среда) {
    const Реестр_шагов реестр = Реестр_всех_шагов();
    Прогон_цепочки прогон(среда, реестр, п, stdout);
    if (новая) {
      Начать_новую_задачу(среда, прогон.Как_показ_шага());
    } else {
      Продолжить_начатую_задачу(среда, прогон.Как_показ_шага());
    }
    return прогон.Сбой() || !среда.запись.Флаг_продолжения ? kНеудача : kГотово;
  });
}

}  // namespace

int Команда_новая_задача(const Параметры& п) { return Пройти(п, true); }
int Команда_продолжить(const Параметры& п) { return Пройти(п, false); }

std::string Проверить_новую_задачу(const Параметры& п) {
  if (const auto классы = п.Число("--classes"); классы && (*классы < 5 || *классы > 28))
    return "--classes takes 5..28";
  if (const auto режим = п.Значение("--mode"); режим && *режим != "6x6" && *режим != "5x7")
    return "--mode takes 6x6 or 5x7";
  return {};
}

}  // namespace korvella::cli
