// The volumes an archive can be written to: the mounted local file systems
// (fixed) and the removable media that desktops mount under /media and
// /run/media/<user>, each shown by the folder it is mounted on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvella {

struct Том {
  std::string корень;
  bool съёмный = false;

  bool operator==(const Том&) const = default;
};

// The volumes of the running system, fixed ones first, each group sorted by
// path. The user's home folder joins the fixed volumes: the root of "/" is
// seldom writable for a user, and the folder name typed in the archive window
// is a single name.
std::vector<Том> Список_томов();

// The same from the text of a mount table in the format of /proc/self/mountinfo,
// without looking at the file system (mount points that are files, as a
// container's bind-mounted /etc/hosts, are dropped by Список_томов).
std::vector<Том> Тома_из_таблицы_монтирования(std::string_view таблица,
                                              std::string_view домашняя_папка);

}  // namespace korvella
