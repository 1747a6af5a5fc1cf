// One writer at a time on a program folder: two command-line runs that both load,
// change and save the same data file would silently lose one run's work. The
// lock is an advisory lock on a file beside the data, so it goes with its process
// and a crash never leaves the folder locked.
#pragma once

#include <filesystem>
#include <string>

namespace korvella {

class Замок_папки {
 public:
  // Takes the lock of `папка` (created when missing) or fails at once.
  explicit Замок_папки(const std::filesystem::path& папка);
  ~Замок_папки();
  Замок_папки(const Замок_папки&) = delete;
  Замок_папки& operator=(const Замок_папки&) = delete;

  bool Захвачен() const { return fd_ >= 0; }
  // Why the lock was not taken: another process holds it, or the lock file
  // cannot be made (the error's text).
  const std::string& Причина() const { return причина_; }

 private:
  int fd_ = -1;
  std::string причина_;
};

}  // namespace korvella
