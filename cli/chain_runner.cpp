#include "cli/chain_runner.h"

#include <chrono>

#include "auxiliary/steps.h"
#include "cli/cli_dialogs.h"
#include "core/text_codec.h"
#include "entry/base_parameters_step.h"
#include "entry/task_list_step.h"
#include "entry/typed_input.h"
#include "entry/steps.h"
#include "timetable/steps.h"

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
    std::snprintf(время, sizeof время, "%.3f s", секунды);
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

void Ввести_с_командной_строки(Модель_шага& модель, const Параметры& п, Среда& среда) {
  (void)среда;
  if (auto* задачи = dynamic_cast<Модель_список_решаемых_задач*>(&модель); задачи && п.задачи) {
    using Задача = Модель_список_решаемых_задач::Задача;
    auto Выбрана = [&](const char* имя) {
      for (const auto& задача : *п.задачи)
        if (задача == имя) return true;
      return false;
    };
    задачи->Отметить(Задача::Спецпомещения, Выбрана("rooms"));
    задачи->Отметить(Задача::Совместители, Выбрана("parttime"));
    задачи->Отметить(Задача::Потоки, Выбрана("streams"));
    задачи->Отметить(Задача::Разделения, Выбрана("groups"));
  }
  if (auto* параметры = dynamic_cast<Модель_базовые_параметры*>(&модель)) {
    if (п.режим)
      параметры->Выбрать_режим(*п.режим == "6x6" ? Модель_базовые_параметры::kРежим_6х6
                                                 : Модель_базовые_параметры::kРежим_5х7);
    if (п.классы) {
      // Typed key by key over the proposed count: what the edit swallows is lost,
      // as it would be for a user, and said so.
      while (!параметры->Поле_классов().empty() && параметры->Нажать_клавишу_в_поле(kBackspace)) {
      }
      for (char32_t клавиша : Из_UTF8(std::to_string(*п.классы)))
        if (!параметры->Нажать_клавишу_в_поле(клавиша))
          std::printf("    [input] %s: the key \"%s\" is not accepted, the edit holds \"%s\"\n",
                      Модель_базовые_параметры::kПоле_классов,
                      В_UTF8(std::u32string(1, клавиша)).c_str(), параметры->Поле_классов().c_str());
    }
  }
}

Реестр_шагов Реестр_всех_шагов() {
  Реестр_шагов реестр;
  Зарегистрировать_шаги_ввода(реестр);
  Зарегистрировать_вспомогательные_шаги(реестр);
  Зарегистрировать_шаги_расписания(реестр);
  return реестр;
}

}  // namespace korvella::cli
