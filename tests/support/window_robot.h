// Plays the user of modal windows in the window tests: every few milliseconds it
// hands the modal window on top to the test's action, which clicks or types.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "shell/windows/step_window.h"

namespace korvella::test {

class Робот : public QObject {
 public:
  // `действие` is called on every tick while a modal window is open, with that
  // window and whether this is the first tick since it was (re)shown.
  explicit Робот(std::function<void(QWidget* окно, bool впервые)> действие);
  ~Робот() override;

 protected:
  // A window shown again right after it closed is a new showing although the
  // robot never saw it hidden.
  bool eventFilter(QObject* объект, QEvent* событие) override;

 private:
  QTimer таймер_;
  QPointer<QWidget> прежнее_;
  bool показано_снова_ = false;
  std::function<void(QWidget*, bool)> действие_;
};

// Shows the step window modally; `сценарий` runs inside its modal loop and must close it.
void Модально(Окно_шага& окно, std::function<void()> сценарий);

// Runs the event loop until the condition holds (or the time is up); true when it held.
bool Дождаться(const std::function<bool()>& условие, int миллисекунд = 10000);

}  // namespace korvella::test
