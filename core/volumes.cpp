#include "core/volumes.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace korvella {
namespace {

// File systems of the kernel, of memory and of the network: no place for an
// archive that should outlive the machine.
const std::set<std::string_view> kНе_тома = {
    "proc",   "sysfs",     "devtmpfs",   "devpts",      "tmpfs",           "ramfs",
    "cgroup", "cgroup2",   "securityfs", "debugfs",     "tracefs",         "pstore",
    "bpf",    "mqueue",    "hugetlbfs",  "configfs",    "fusectl",         "binfmt_misc",
    "autofs", "efivarfs",  "rpc_pipefs", "nsfs",        "squashfs",        "overlay",
    "nfs",    "nfs4",      "cifs",       "smb3",        "smbfs",           "9p",
    "fuse",   "selinuxfs", "fuse.sshfs", "fuse.portal", "fuse.gvfsd-fuse",
};

// System folders whose mounts are not the user's volumes.
constexpr std::string_view kСистемные_папки[] = {"/proc", "/sys",  "/dev",           "/run",
                                                 "/boot", "/snap", "/var/lib/docker"};

bool Под_папкой(std::string_view путь, std::string_view папка) {
  return путь.size() > папка.size() && путь.substr(0, папка.size()) == папка &&
         путь[папка.size()] == '/';
}

// /media/<label>, /media/<user>/<label> (Debian) and /run/media/<user>/<label>.
bool Съёмный_носитель(std::string_view путь) {
  if (Под_папкой(путь, "/media")) return true;
  if (!Под_папкой(путь, "/run/media")) return false;
  const std::string_view ниже = путь.substr(std::string_view("/run/media/").size());
  return ниже.find('/') != std::string_view::npos;
}

bool Тип_тома(std::string_view тип) {
  if (тип.substr(0, 5) == "fuse." && тип != "fuseblk") return false;
  return !kНе_тома.contains(тип);
}

bool Системная_папка(std::string_view путь) {
  return std::any_of(std::begin(kСистемные_папки), std::end(kСистемные_папки),
                     [&](std::string_view п) { return путь == п || Под_папкой(путь, п); });
}

// The table writes a blank, a tab, a line break and a backslash as \ooo.
std::string Раскодировать(std::string_view поле) {
  std::string путь;
  for (std::size_t i = 0; i < поле.size(); ++i) {
    if (поле[i] == '\\' && i + 3 < поле.size()) {
      const std::string_view код = поле.substr(i + 1, 3);
      if (std::all_of(код.begin(), код.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        путь += static_cast<char>((код[0] - '0') * 64 + (код[1] - '0') * 8 + (код[2] - '0'));
        i += 3;
        continue;
      }
    }
    путь += поле[i];
  }
  return путь;
}

}  // namespace

std::vector<Том> Тома_из_таблицы_монтирования(std::string_view таблица,
                                              std::string_view домашняя_папка) {
  std::set<std::string> постоянные = {"/"};
  std::set<std::string> съёмные;
  std::istringstream строки{std::string(таблица)};
  std::string строка;
  while (std::getline(строки, строка)) {
    // id parent major:minor root mount-point options [optional...] - type source ...
    std::istringstream поля(строка);
    std::string поле, точка;
    std::vector<std::string> до_черты;
    while (поля >> поле && поле != "-") до_черты.push_back(поле);
    std::string тип;
    if (до_черты.size() < 5 || !(поля >> тип)) continue;
    точка = Раскодировать(до_черты[4]);
    if (Съёмный_носитель(точка)) {
      if (тип != "autofs") съёмные.insert(точка);
    } else if (Тип_тома(тип) && !Системная_папка(точка)) {
      постоянные.insert(точка);
    }
  }
  if (!домашняя_папка.empty() && домашняя_папка != "/") {
    std::string дом(домашняя_папка);
    while (дом.size() > 1 && дом.back() == '/') дом.pop_back();
    if (!съёмные.contains(дом)) постоянные.insert(дом);
  }
  std::vector<Том> тома;
  for (const auto& к : постоянные) тома.push_back({к, false});
  for (const auto& к : съёмные) тома.push_back({к, true});
  return тома;
}

std::vector<Том> Список_томов() {
  std::ifstream файл("/proc/self/mountinfo");
  std::stringstream таблица;
  таблица << файл.rdbuf();
  const char* дом = std::getenv("HOME");
  std::vector<Том> тома = Тома_из_таблицы_монтирования(таблица.str(), дом ? дом : "");
  std::erase_if(тома, [](const Том& т) {
    std::error_code ошибка;
    return !std::filesystem::is_directory(т.корень, ошибка);
  });
  return тома;
}

}  // namespace korvella
