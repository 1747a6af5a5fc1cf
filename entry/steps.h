// The step models of this area (steps 0–3, 23 and 25), for the command-line program.
#pragma once

#include "shell/step_registry.h"

namespace korvella {

void Зарегистрировать_шаги_ввода(Реестр_шагов& реестр);

}  // namespace korvella
