// The main window's actions on the data files: save, remember and recall.
#pragma once

#include <functional>

#include "shell/environment.h"

namespace korvella {

// Ctrl+S: saves the record and says so.
void Действие_сохранить_расписание(Среда& среда);

// "Запомнить текущее расписание": after the question, writes the remembered copy
// and only then marks that a copy exists, so the copy keeps the mark's old value.
void Действие_запомнить_расписание(Среда& среда);

// "Вспомнить расписание": the remembered copy becomes the data file, the program
// reloads it through `стартовая_последовательность` (the main window's start-up
// sequence) and writes a fresh copy of the recalled state.
void Действие_вспомнить_расписание(Среда& среда,
                                   const std::function<void()>& стартовая_последовательность);

}  // namespace korvella
