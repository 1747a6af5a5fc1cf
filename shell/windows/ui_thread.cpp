#include "shell/windows/ui_thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <exception>

namespace korvella {

bool Поток_интерфейса() {
  auto* приложение = QCoreApplication::instance();
  return приложение == nullptr || QThread::currentThread() == приложение->thread();
}

void В_потоке_интерфейса(const std::function<void()>& дело) {
  if (Поток_интерфейса()) {
    дело();
    return;
  }
  std::exception_ptr сбой;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [&] {
        try {
          дело();
        } catch (...) {
          сбой = std::current_exception();
        }
      },
      Qt::BlockingQueuedConnection);
  if (сбой) std::rethrow_exception(сбой);
}

}  // namespace korvella
