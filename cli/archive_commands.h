// `archive --to DIR [--folder NAME]` writes the archive of the program folder to
// DIR/NAME/ZRB_Korvella_025_22.zip, as the archive window does for a volume and
// a typed folder; `restore FILE` replaces the program folder with an archive's
// content, as the restore window does. Both say what the windows would say.
#pragma once

#include <string>

#include "cli/options.h"

namespace korvella::cli {

// Usage errors of `archive`: --to is required.
std::string Проверить_архивирование(const Параметры& п);

int Команда_архивировать(const Параметры& п);
int Команда_восстановить(const Параметры& п);

}  // namespace korvella::cli
