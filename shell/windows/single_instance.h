// One running copy of the program: a lock file named after the instance mark,
// in the user's runtime (or temporary) folder. A lock left by a copy that has
// died is taken over, so a crash never locks the program out.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace korvella {

inline constexpr const char* kМетка_экземпляра = "ZRB_Korvella_0_025_xx";

class Единственный_экземпляр {
 public:
  // `папка` empty: the runtime folder, else the temporary folder.
  explicit Единственный_экземпляр(QString папка = {});
  // False when another running copy holds the mark.
  bool Захватить();
  QString Путь() const { return путь_; }

 private:
  QString путь_;
  std::unique_ptr<QLockFile> замок_;
};

inline constexpr const char* kУже_запущена = "Программа «ЗРБ: Корвелла» уже запущена ...";

}  // namespace korvella
