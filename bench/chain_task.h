// A whole new task run in-process as `korvella-cli new` runs it: every step
// activated, given the command line's input, calculated and continued.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "cli/options.h"
#include "core/main_record.h"
#include "shell/step_model.h"

namespace korvella::bench {

// After each calculation: the step, its model, the outcome and the time it took.
using После_расчёта =
    std::function<void(int номер, const Модель_расчётного_шага& модель,
                       Модель_расчётного_шага::Итог итог, std::chrono::nanoseconds время)>;

// Runs the chain on a fresh record with the master seed `зерно`; the chain
// stops before step `до_шага` (30 = the whole chain).
std::unique_ptr<тип_Главная_запись> Новая_задача(const cli::Параметры& параметры,
                                                 std::uint64_t зерно, int до_шага = 30,
                                                 const После_расчёта& после = {});

}  // namespace korvella::bench
