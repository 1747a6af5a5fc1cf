#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace korvella {
namespace fs = std::filesystem;

namespace {

std::optional<std::size_t> сбой_после;

[[noreturn]] void Ошибка_ввода_вывода(const std::string& что, const fs::path& путь, int код) {
  throw std::runtime_error(что + " " + путь.string() + ": " + std::strerror(код));
}

void Сбросить_папку(const fs::path& папка) {
  const int fd = ::open(папка.empty() ? "." : папка.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

void Установить_сбой_записи_после(std::optional<std::size_t> байт) { сбой_после = байт; }

void Записать_файл_надёжно(const fs::path& путь, const void* данные, std::size_t размер) {
  std::string шаблон = путь.string() + ".tmp.XXXXXX";
  const int fd = ::mkostemp(шаблон.data(), O_CLOEXEC);
  const fs::path временный = шаблон;
  if (fd < 0) Ошибка_ввода_вывода("Не удалось создать файл", временный, errno);
  // mkostemp makes the file private; a data file is as readable as any other.
  const mode_t маска = ::umask(0);
  ::umask(маска);
  ::fchmod(fd, 0666 & ~маска);

  auto Отказаться = [&](const char* что, int код) {
    ::close(fd);
    ::unlink(временный.c_str());
    Ошибка_ввода_вывода(что, путь, код);
  };

  const auto* байты = static_cast<const std::uint8_t*>(данные);
  std::size_t записано = 0;
  while (записано < размер) {
    std::size_t порция = размер - записано;
    if (сбой_после) {
      if (записано >= *сбой_после) Отказаться("Не удалось записать файл", ENOSPC);
      порция = std::min(порция, *сбой_после - записано);
    }
    const ssize_t n = ::write(fd, байты + записано, порция);
    if (n < 0) {
      if (errno == EINTR) continue;
      Отказаться("Не удалось записать файл", errno);
    }
    записано += static_cast<std::size_t>(n);
  }
  if (сбой_после && записано > *сбой_после) Отказаться("Не удалось записать файл", ENOSPC);
  if (::fsync(fd) != 0) Отказаться("Не удалось записать файл", errno);
  if (::close(fd) != 0) {
    ::unlink(временный.c_str());
    Ошибка_ввода_вывода("Не удалось записать файл", путь, errno);
  }
  if (::rename(временный.c_str(), путь.c_str()) != 0) {
    const int код = errno;
    ::unlink(временный.c_str());
    Ошибка_ввода_вывода("Не удалось записать файл", путь, код);
  }
  Сбросить_папку(путь.parent_path());
}

Итог_чтения Прочитать_начало_файла(const fs::path& путь, void* куда, std::size_t размер) {
  const int fd = ::open(путь.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Итог_чтения::Нет_файла;
    Ошибка_ввода_вывода("Не удалось открыть файл", путь, errno);
  }
  auto* байты = static_cast<std::uint8_t*>(куда);
  std::size_t прочитано = 0;
  while (прочитано < размер) {
    const ssize_t n = ::read(fd, байты + прочитано, размер - прочитано);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int код = errno;
      ::close(fd);
      Ошибка_ввода_вывода("Не удалось прочитать файл", путь, код);
    }
    if (n == 0) break;
    прочитано += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return прочитано == размер ? Итог_чтения::Прочитан : Итог_чтения::Короткий;
}

void Переименовать_надёжно(const fs::path& откуда, const fs::path& куда) {
  if (::rename(откуда.c_str(), куда.c_str()) != 0) {
    Ошибка_ввода_вывода("Не удалось переименовать файл", откуда, errno);
  }
  Сбросить_папку(куда.parent_path());
}

}  // namespace korvella
