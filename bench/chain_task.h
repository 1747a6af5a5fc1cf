// Tasks for the benchmarks: a new task run through the command-line chain
// with autogeneration, as `korvella-cli new --seed N` runs it.
#pragma once

#include <cstdint>
#include <memory>

#include "cli/options.h"
#include "core/main_record.h"
#include "shell/step_registry.h"

namespace korvella::bench {

// Every step model, as the command-line program has them.
const Реестр_шагов& Реестр();

// The record as step `до_шага` finds it: the chain run from a new task with
// the typed input of `параметры` and the master seed `зерно`, stopped right
// before that step. The seed sequence goes on, so the step then calculated
// draws what it would in the whole chain.
std::unique_ptr<тип_Главная_запись> Задача_до_шага(int до_шага, const cli::Параметры& параметры,
                                                   std::uint64_t зерно);

}  // namespace korvella::bench
