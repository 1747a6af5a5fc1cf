// How a command reaches the data file. A command that changes the task holds the
// data folder's lock, loads the file as the desktop program does at start-up and
// saves it when done; a command that only looks at the task reads the file and
// never writes, creates or deletes anything in the data folder.
#pragma once

#include <cstdio>
#include <functional>

#include "cli/cli_dialogs.h"
#include "cli/options.h"
#include "shell/environment.h"

namespace korvella::cli {

// Loads the live record under the lock and runs `тело` on it; the record is saved
// when `тело` returns. Questions are answered by the command line's dialogs,
// printed to `вывод` under `отступ`. Returns `тело`'s exit code, or 1 when the
// folder is held by another process.
int С_изменением_данных(const Параметры& п, std::FILE* вывод, const char* отступ,
                        const std::function<int(Среда&)>& тело);

// Reads the data file into the live record for a command that only looks at it;
// false (and the reason on standard error) when there is nothing to read.
bool Прочитать_для_просмотра();

}  // namespace korvella::cli
