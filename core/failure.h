// Failure reporting. A guarded procedure runs its body through Под_охраной, so
// whatever escapes it carries the name of the innermost guarded procedure; only
// the outermost layer (the desktop program, the command-line program, a test)
// decides what to do with it.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace korvella {

// A failure inside a named procedure; shown as Текст_исключения(имя, текст).
class Исключение_процедуры : public std::runtime_error {
 public:
  Исключение_процедуры(std::string имя, std::string текст);
  const std::string& Имя() const { return имя_; }
  const std::string& Текст() const { return текст_; }

 private:
  std::string имя_;
  std::string текст_;
};

// A consistency test of an algorithm failed: its own text goes to a plain message
// box and the program ends without saving.
class Фатальная_проверка : public std::runtime_error {
 public:
  explicit Фатальная_проверка(std::string текст) : std::runtime_error(std::move(текст)) {}
};

// The user chose to end the program (for example, refused to recreate a damaged
// data file); it ends without saving and without a message.
class Завершение_программы : public std::exception {
 public:
  const char* what() const noexcept override { return "program ends"; }
};

// "Исключение :   " + message + " в модуле :  " + name
std::string Текст_исключения(std::string_view имя, std::string_view сообщение);

// An internal stop: a consistency failure with its diagnostic text; the enclosing
// guarded procedure reports it under its own name.
[[noreturn]] void Внутренняя_остановка(std::string диагностика);

// A fatal check: ends the program with the given text unless the condition holds.
inline void Проверить(bool условие, std::string_view текст) {
  if (!условие) throw Фатальная_проверка(std::string(текст));
}

namespace detail {
[[noreturn]] void Перевыбросить_под_именем(std::string_view имя);
}

// Runs the body; any failure but a fatal check, the end of the program or an
// already named failure becomes Исключение_процедуры{имя, message}.
template <class Тело>
auto Под_охраной(std::string_view имя, Тело&& тело) -> decltype(тело()) {
  try {
    return тело();
  } catch (...) {
    detail::Перевыбросить_под_именем(имя);
  }
}

}  // namespace korvella
