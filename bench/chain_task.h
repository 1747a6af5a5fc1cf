// A task as `korvella-cli new --seed N --classes C --mode M [--tasks ...]` builds
// it, in the process and without a data file: the chain with autogeneration,
// each step continued, its calculation run. The random draws follow the command
// line's exactly, so a seed studied here is the same task the command line gives.
#pragma once

#include <cstdint>
#include <functional>

#include "cli/options.h"
#include "core/main_record.h"
#include "shell/step_model.h"

namespace korvella::bench {

// Runs the chain of `new` with the options `параметры` on `запись` (cleared
// first). Every calculation step's model goes to `рассчитать` with its step
// number, which calculates it or not; an empty function calculates each. The
// chain stops right before step `до_шага` (the whole chain by default).
void Цепочка_командной_строки(
    тип_Главная_запись& запись, const cli::Параметры& параметры, std::uint64_t зерно,
    const std::function<void(int номер, Модель_расчётного_шага&)>& рассчитать = {},
    int до_шага = 30);

// The same for a task without optional blocks; step 29's model goes to `шаг_29`.
void Цепочка_командной_строки(тип_Главная_запись& запись, int классов, const char* режим,
                              std::uint64_t зерно,
                              const std::function<void(Модель_расчётного_шага&)>& шаг_29 = {});

}  // namespace korvella::bench
