// Runs the wizard chain without windows: each step is activated, given the
// command line's typed input, calculated when it is a calculation step and
// continued, as a user pressing "Продолжить" at every step would.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

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

// --tasks: the items of the list, and the check of its value.
std::vector<std::string> Задачи_командной_строки(const std::string& список);
std::string Проверить_задачи(const std::string& список);

// `new` and `continue`: run the chain on the data file and save it.
int Команда_новая_задача(const Параметры& п);
int Команда_продолжить(const Параметры& п);
std::string Проверить_новую_задачу(const Параметры& п);

}  // namespace korvella::cli
