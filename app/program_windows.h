// The program's windows: which window serves each of the thirty steps and each
// of the six tabs. The one place where the areas' windows meet; a step or tab
// whose own window is not written yet gets the shell's default.
#pragma once

#include "shell/windows/step_windows.h"
#include "shell/windows/tab_frames.h"

namespace korvella {

const Таблица_окон_шагов& Окна_шагов_программы();
Фреймы_вкладок Создать_фреймы_вкладок(Среда& среда, QWidget* родитель);

}  // namespace korvella
