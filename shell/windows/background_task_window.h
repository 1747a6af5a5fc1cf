// The frame of a window that runs one piece of work on the thread pool, as the
// archive and restore windows do: a picture on the left, the subclass's
// controls, and a row with a spinning indicator, the window's action button and
// "Закрыть". While the work runs, the indicator spins, both buttons are
// disabled, the close box is gone and every way of closing is refused.
#pragma once

#include <QDialog>
#include <QMetaObject>
#include <QThreadPool>
#include <atomic>
#include <exception>
#include <functional>

#include "shell/windows/activity_indicator.h"
#include "shell/windows/exception_reporter.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace korvella {

struct Вид_окна_задачи {
  const char* имя_окна;
  QString заголовок;
  const char* картинка;  // a resource name under :/images/
  Индикатор_активности::Вид индикатор;
  int размер_индикатора;
  QString кнопка_действия;
  const char* имя_кнопки_действия;
};

class Окно_фоновой_задачи : public QDialog {
 public:
  bool Задача_идёт() const { return идёт_; }
  Индикатор_активности* Индикатор() const { return индикатор_; }
  QPushButton* Кнопка_закрыть() const { return кнопка_закрыть_; }

  // Esc on any control and "Закрыть" end up here.
  void reject() override;

 protected:
  Окно_фоновой_задачи(const Вид_окна_задачи& вид, QWidget* родитель);

  // Where the subclass puts its controls, above the button row.
  QVBoxLayout* Содержимое() const { return содержимое_; }
  QPushButton* Кнопка_действия() const { return кнопка_действия_; }
  void Загрузить_картинку();

  // Runs `работа` on the pool in the busy state; `по_окончании` gets its
  // result on the interface thread after the busy state is over ("Закрыть"
  // enabled, the action button disabled). A failure that escapes `работа` is
  // rethrown there, to the program's exception reporter.
  template <class Результат>
  void Выполнить(std::function<Результат()> работа,
                 std::function<void(const Результат&)> по_окончании) {
    Занятое_состояние(true);
    QThreadPool::globalInstance()->start(
        [this, работа = std::move(работа), по_окончании = std::move(по_окончании)] {
          Результат результат{};
          std::exception_ptr сбой;
          try {
            результат = работа();
          } catch (...) {
            сбой = std::current_exception();
          }
          QMetaObject::invokeMethod(this, Обработчик([this, результат, сбой, по_окончании] {
                                      Занятое_состояние(false);
                                      if (сбой) std::rethrow_exception(сбой);
                                      по_окончании(результат);
                                    }),
                                    Qt::QueuedConnection);
        });
  }

  void closeEvent(QCloseEvent* событие) override;

 private:
  void Занятое_состояние(bool занято);

  std::atomic<bool> идёт_{false};
  const char* картинка_;
  QLabel* надпись_картинки_ = nullptr;
  QVBoxLayout* содержимое_ = nullptr;
  Индикатор_активности* индикатор_ = nullptr;
  QPushButton* кнопка_действия_ = nullptr;
  QPushButton* кнопка_закрыть_ = nullptr;
};

}  // namespace korvella
