// The step models of this area (steps 24 and 26–29), for the command-line program.
#pragma once

#include "shell/step_registry.h"

namespace korvella {

void Зарегистрировать_шаги_расписания(Реестр_шагов& реестр);

}  // namespace korvella
