#include "views/documents_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace korvella {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class Переменная_среды {
 public:
  Переменная_среды(const char* имя, const char* значение) : имя_(имя) {
    if (const char* было = std::getenv(имя)) прежнее_ = было;
    if (значение)
      ::setenv(имя, значение, 1);
    else
      ::unsetenv(имя);
  }
  ~Переменная_среды() {
    if (прежнее_)
      ::setenv(имя_, прежнее_->c_str(), 1);
    else
      ::unsetenv(имя_);
  }

 private:
  const char* имя_;
  std::optional<std::string> прежнее_;
};

TEST(Папка_документов, переменная_программы_затем_XDG_затем_Documents) {
  const fs::path дом = fs::temp_directory_path() / ("korvella_home_" + std::to_string(::getpid()));
  fs::remove_all(дом);
  fs::create_directories(дом / "config");
  Переменная_среды home("HOME", дом.c_str());
  Переменная_среды конфиг("XDG_CONFIG_HOME", (дом / "config").c_str());
  Переменная_среды своя("KORVELLA_DOCUMENTS_DIR", nullptr);

  EXPECT_EQ(Папка_документов(), дом / "Documents");

  std::ofstream(дом / "config" / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                   << "XDG_DESKTOP_DIR=\"$HOME/Рабочий стол\"\n"
                                                   << "XDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n";
  EXPECT_EQ(Папка_документов(), fs::path(дом.string() + "/Документы"));

  std::ofstream(дом / "config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"/srv/docs\"\n";
  EXPECT_EQ(Папка_документов(), fs::path("/srv/docs"));

  Переменная_среды задана("KORVELLA_DOCUMENTS_DIR", "/tmp/elsewhere");
  EXPECT_EQ(Папка_документов(), fs::path("/tmp/elsewhere"));
  fs::remove_all(дом);
}

}  // namespace
}  // namespace korvella
