#include "shell/windows/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace korvella {

Единственный_экземпляр::Единственный_экземпляр(QString папка) {
  if (папка.isEmpty()) папка = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (папка.isEmpty()) папка = QDir::tempPath();
  путь_ = QDir(папка).filePath(QString(kМетка_экземпляра) + ".lock");
  замок_ = std::make_unique<QLockFile>(путь_);
  // Never stale by age: only a lock whose process is gone is taken over.
  замок_->setStaleLockTime(0);
}

bool Единственный_экземпляр::Захватить() { return замок_->isLocked() || замок_->tryLock(0); }

}  // namespace korvella
