// The wizard driver: "Начать новую задачу" and "Продолжить начатую задачу" run
// the chain of step windows through a "show step N" callback, which the desktop
// program answers with the modal window and the command-line program with the
// step model.
#pragma once

#include <functional>
#include <string>

#include "shell/environment.h"

namespace korvella {

using Показ_шага = std::function<void(int номер)>;

// A line break at the start of most messages of the error and question windows.
inline constexpr const char* kПС = "\n";

void Начать_новую_задачу(Среда& среда, const Показ_шага& показать);
void Продолжить_начатую_задачу(Среда& среда, const Показ_шага& показать);

// Clears what a later calculation will rebuild: the tables of every calculation
// whose done flag is false.
void Обнуление_незавершенных_расписаний(тип_Главная_запись& запись);

// The main window's title.
std::string Заголовок_окна(const тип_Главная_запись& запись);

}  // namespace korvella
