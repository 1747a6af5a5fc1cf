#include "tests/support/window_robot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

namespace korvella::test {

Робот::Робот(std::function<void(QWidget*, bool)> действие) : действие_(std::move(действие)) {
  таймер_.setInterval(5);
  QObject::connect(&таймер_, &QTimer::timeout, [this] {
    QWidget* окно = QApplication::activeModalWidget();
    if (окно == nullptr || !окно->isVisible()) {
      прежнее_ = nullptr;
      return;
    }
    const bool впервые = окно != прежнее_ || показано_снова_;
    прежнее_ = окно;
    показано_снова_ = false;
    действие_(окно, впервые);
  });
  таймер_.start();
  QApplication::instance()->installEventFilter(this);
}

Робот::~Робот() {
  таймер_.stop();
  QApplication::instance()->removeEventFilter(this);
}

bool Робот::eventFilter(QObject* объект, QEvent* событие) {
  if (событие->type() == QEvent::Show && объект == прежнее_) показано_снова_ = true;
  return false;
}

void Модально(Окно_шага& окно, std::function<void()> сценарий) {
  QTimer::singleShot(0, &окно, std::move(сценарий));
  окно.Показать_модально();
}

bool Дождаться(const std::function<bool()>& условие, int миллисекунд) {
  QElapsedTimer прошло;
  прошло.start();
  while (!условие()) {
    if (прошло.elapsed() > миллисекунд) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}

}  // namespace korvella::test
