// The top level of the desktop program: whatever failure escapes an event
// handler ends the program here, without saving. A named procedure's failure is
// shown in the platform's standard error box, a fatal check's text in the plain
// box; the user's own choice to end (Завершение_программы) ends quietly.
#pragma once

#include <QApplication>
#include <concepts>
#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "core/dialogs.h"

namespace korvella {

struct Отчёт_об_исключении {
  enum class Вид { Стандартная_ошибка, Простое_сообщение, Без_сообщения };
  Вид вид;
  std::string текст;
  int код_выхода;
};

Отчёт_об_исключении Отчёт_по_исключению(std::exception_ptr исключение);

// Shows the report through `диалоги`, then calls `завершить` with the exit code
// (the program ends at once: std::_Exit, no saving, no destructors).
void Обработка_исключения(std::exception_ptr исключение, Диалоги& диалоги,
                          const std::function<void(int)>& завершить);

// Ends the process at once with the code, skipping every save.
[[noreturn]] void Немедленное_завершение(int код);

// The application object: its event dispatch is the one place where failures of
// the windows' handlers are caught.
class Приложение_корвелла : public QApplication {
 public:
  Приложение_корвелла(int& argc, char** argv);

  // The dialogs the reporter shows its message with; until set, a plain box.
  void Установить_диалоги(Диалоги* диалоги) { диалоги_ = диалоги; }
  void Установить_завершение(std::function<void(int)> завершить) {
    завершить_ = std::move(завершить);
  }

  bool notify(QObject* получатель, QEvent* событие) override;

  // For failures caught outside the event dispatch (main itself).
  void Сообщить_об_исключении(std::exception_ptr исключение);

 private:
  Диалоги* диалоги_ = nullptr;
  std::function<void(int)> завершить_ = Немедленное_завершение;
};

// Reports a failure of a window's handler through the application's reporter
// (which ends the program).
void Сообщить_об_исключении_окна(std::exception_ptr исключение);

// Runs the body of a window's handler (an event handler, a slot). Qt is not
// exception-safe: a failure travelling through its signal and event code is
// undefined behaviour, so every failure is reported here, at the boundary.
template <class Тело>
void Обработать_событие(Тело&& тело) noexcept {
  try {
    std::forward<Тело>(тело)();
  } catch (...) {
    Сообщить_об_исключении_окна(std::current_exception());
  }
}

// A callable for connect() that runs `тело` through Обработать_событие; it takes
// the signal's arguments as far as `тело` wants them:
//   connect(кнопка, &QPushButton::clicked, this, Обработчик([this] { Нажать(); }));
template <class Тело>
auto Обработчик(Тело тело) {
  return [тело = std::move(тело)]<class... Аргументы>(Аргументы&&... аргументы) mutable -> void
    requires std::invocable<Тело&, Аргументы...>
  {
    Обработать_событие([&] { тело(std::forward<Аргументы>(аргументы)...); });
  };
}

}  // namespace korvella
