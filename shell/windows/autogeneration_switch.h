// Switching the autogeneration mode from the main window's panel: off only at
// the last step, on at any time, each after a question.
#pragma once

#include "shell/environment.h"

namespace korvella {

void Переключение_автогенерации(Среда& среда);

}  // namespace korvella
