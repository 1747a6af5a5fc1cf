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

// A task without optional blocks. Step 29's model is handed to `шаг_29`, which
// calculates it or not; an empty function calculates it.
void Цепочка_командной_строки(тип_Главная_запись& запись, int классов, const char* режим,
                              std::uint64_t зерно,
                              const std::function<void(Модель_расчётного_шага&)>& шаг_29 = {});

// The same with the optional tasks of `new --tasks` (e.g. "rooms"), up to step
// `шаг`, whose model is handed to `расчёт`; the chain stops after that step.
void Цепочка_командной_строки(тип_Главная_запись& запись, int классов, const char* режим,
                              const char* задачи, std::uint64_t зерно, int шаг,
                              const std::function<void(Модель_расчётного_шага&)>& расчёт);

}  // namespace korvella::bench
