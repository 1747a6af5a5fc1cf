// A task as the command-line chain leaves it right before a given step: a new
// task run with autogeneration up to that step, for the benchmarks of one step.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/main_record.h"

namespace korvella {

std::unique_ptr<тип_Главная_запись> Задача_до_шага(int шаг, int классов, const char* режим,
                                                   int зерно, std::vector<std::string> задачи = {});

}  // namespace korvella
