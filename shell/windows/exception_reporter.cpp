#include "shell/windows/exception_reporter.h"

#include <QMessageBox>
#include <cstdlib>

#include "core/failure.h"
#include "shell/windows/window_dialogs.h"

namespace korvella {

Отчёт_об_исключении Отчёт_по_исключению(std::exception_ptr исключение) {
  using В = Отчёт_об_исключении::Вид;
  try {
    std::rethrow_exception(исключение);
  } catch (const Завершение_программы&) {
    return {В::Без_сообщения, {}, 0};
  } catch (const Исключение_процедуры& e) {
    return {В::Стандартная_ошибка, e.what(), 1};
  } catch (const Фатальная_проверка& e) {
    return {В::Простое_сообщение, e.what(), 1};
  } catch (const std::exception& e) {
    // A failure outside every named procedure (a window's own handler).
    return {В::Стандартная_ошибка, e.what(), 1};
  } catch (...) {
    return {В::Стандартная_ошибка, "Неизвестная ошибка", 1};
  }
}

void Обработка_исключения(std::exception_ptr исключение, Диалоги& диалоги,
                          const std::function<void(int)>& завершить) {
  const Отчёт_об_исключении отчёт = Отчёт_по_исключению(исключение);
  try {
    switch (отчёт.вид) {
      case Отчёт_об_исключении::Вид::Стандартная_ошибка:
        диалоги.Стандартная_ошибка(отчёт.текст);
        break;
      case Отчёт_об_исключении::Вид::Простое_сообщение:
        диалоги.Простое_сообщение(отчёт.текст);
        break;
      case Отчёт_об_исключении::Вид::Без_сообщения:
        break;
    }
  } catch (...) {
    // Showing the message failed too: end all the same.
  }
  завершить(отчёт.код_выхода);
}

void Немедленное_завершение(int код) { std::_Exit(код); }

Приложение_корвелла::Приложение_корвелла(int& argc, char** argv) : QApplication(argc, argv) {}

bool Приложение_корвелла::notify(QObject* получатель, QEvent* событие) {
  // The last resort: every handler of ours reports its failures itself
  // (Обработать_событие), so nothing should reach this point.
  try {
    return QApplication::notify(получатель, событие);
  } catch (...) {
    Сообщить_об_исключении(std::current_exception());
  }
  return false;
}

void Сообщить_об_исключении_окна(std::exception_ptr исключение) {
  if (auto* приложение = dynamic_cast<Приложение_корвелла*>(QCoreApplication::instance())) {
    приложение->Сообщить_об_исключении(исключение);
    return;
  }
  Диалоги_окнами окна;
  Обработка_исключения(исключение, окна, Немедленное_завершение);
}

void Приложение_корвелла::Сообщить_об_исключении(std::exception_ptr исключение) {
  if (диалоги_ != nullptr) {
    Обработка_исключения(исключение, *диалоги_, завершить_);
    return;
  }
  Диалоги_окнами окна;
  Обработка_исключения(исключение, окна, завершить_);
}

}  // namespace korvella
