// Runs the wizard chain without windows: each step is activated, given the
// command line's typed input, calculated when it is a calculation step and
// continued, as a user pressing "Продолжить" at every step would.
#pragma once

#include <cstdio>

#include "cli/options.h"
#include "shell/step_registry.h"
#include "shell/wizard.h"

namespace korvella::cli {

class Прогон_цепочки {
 public:
  Прогон_цепочки(Среда& среда, const Реестр_шагов& реестр, const Параметры& параметры,
                 std::FILE* вывод);

  void Показать(int номер);
  Показ_шага Как_показ_шага() {
    return [this](int номер) { Показать(номер); };
  }

  // A calculation failed, or a step refused to continue.
  bool Сбой() const { return сбой_; }

 private:
  Среда& среда_;
  const Реестр_шагов& реестр_;
  const Параметры& параметры_;
  std::FILE* вывод_;
  bool сбой_ = false;
};

// Typed input of the command line for the steps that take it (the task list,
// the class count and the grid mode).
void Ввести_с_командной_строки(Модель_шага& модель, const Параметры& параметры, Среда& среда);

// Every step model the logic has.
Реестр_шагов Реестр_всех_шагов();

}  // namespace korvella::cli
