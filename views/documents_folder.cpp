#include "views/documents_folder.h"

#include <cstdlib>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace korvella {
namespace {

std::string Переменная(const char* имя) {
  const char* значение = std::getenv(имя);
  return значение ? значение : "";
}

std::filesystem::path Домашняя_папка() {
#ifdef _WIN32
  return Переменная("USERPROFILE");
#else
  if (std::string дом = Переменная("HOME"); !дом.empty()) return дом;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return {};
#endif
}

#ifndef _WIN32
// XDG_DOCUMENTS_DIR from user-dirs.dirs: a quoted path, absolute or "$HOME/...".
std::filesystem::path Папка_из_user_dirs(const std::filesystem::path& дом) {
  std::filesystem::path конфиг = Переменная("XDG_CONFIG_HOME");
  if (конфиг.empty() || конфиг.is_relative()) конфиг = дом / ".config";
  std::ifstream файл(конфиг / "user-dirs.dirs");
  std::string строка;
  while (std::getline(файл, строка)) {
    const std::string ключ = "XDG_DOCUMENTS_DIR=";
    const auto начало = строка.find_first_not_of(" \t");
    if (начало == std::string::npos || строка.compare(начало, ключ.size(), ключ) != 0) continue;
    std::string значение = строка.substr(начало + ключ.size());
    if (значение.size() < 2 || значение.front() != '"') continue;
    const auto конец = значение.find('"', 1);
    if (конец == std::string::npos) continue;
    значение = значение.substr(1, конец - 1);
    if (значение.rfind("$HOME", 0) == 0) return дом.string() + значение.substr(5);
    if (!значение.empty() && значение.front() == '/') return значение;
  }
  return {};
}
#endif

}  // namespace

std::filesystem::path Папка_документов() {
  if (std::string папка = Переменная("KORVELLA_DOCUMENTS_DIR"); !папка.empty()) return папка;
  const std::filesystem::path дом = Домашняя_папка();
  if (дом.empty()) return {};
#ifndef _WIN32
  if (auto папка = Папка_из_user_dirs(дом); !папка.empty()) return папка;
#endif
  return дом / "Documents";
}

}  // namespace korvella
