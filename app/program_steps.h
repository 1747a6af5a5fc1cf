// The composition root of the logic: every area's step models in one registry,
// for the desktop program and the command-line program alike. The shell knows
// no area, so the areas meet here.
#pragma once

#include "shell/step_registry.h"

namespace korvella {

Реестр_шагов Реестр_всех_шагов();

}  // namespace korvella
