// The step models of this area (steps 4–22 of the optional blocks), for the command-line program.
#pragma once

#include "shell/step_registry.h"

namespace korvella {

void Зарегистрировать_вспомогательные_шаги(Реестр_шагов& реестр);

}  // namespace korvella
