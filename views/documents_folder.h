// The user's Documents folder, where the class timetable's spreadsheet goes.
#pragma once

#include <filesystem>

namespace korvella {

// KORVELLA_DOCUMENTS_DIR when set; else the platform's Documents folder (on Linux
// the XDG documents folder of user-dirs.dirs, falling back to ~/Documents); empty
// when no home folder is known.
std::filesystem::path Папка_документов();

}  // namespace korvella
