#include "core/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace korvella {

Замок_папки::Замок_папки(const std::filesystem::path& папка) {
  std::error_code ошибка;
  std::filesystem::create_directories(папка, ошибка);
  const std::filesystem::path файл = папка / ".korvella.lock";
  const int fd = ::open(файл.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    причина_ = "cannot create " + файл.string() + ": " + std::strerror(errno);
    return;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    причина_ = "another korvella-cli is working on " + папка.string();
    ::close(fd);
    return;
  }
  fd_ = fd;
}

Замок_папки::~Замок_папки() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace korvella
