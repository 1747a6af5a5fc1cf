#include "core/failure.h"

#include <new>
#include <system_error>

namespace korvella {

Исключение_процедуры::Исключение_процедуры(std::string имя, std::string текст)
    : std::runtime_error(Текст_исключения(имя, текст)),
      имя_(std::move(имя)),
      текст_(std::move(текст)) {}

std::string Текст_исключения(std::string_view имя, std::string_view сообщение) {
  std::string т = "Исключение :   ";
  т += сообщение;
  т += " в модуле :  ";
  т += имя;
  return т;
}

namespace {
class Остановка : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
}  // namespace

void Внутренняя_остановка(std::string диагностика) { throw Остановка(std::move(диагностика)); }

namespace detail {
void Перевыбросить_под_именем(std::string_view имя) {
  try {
    throw;
  } catch (const Исключение_процедуры&) {
    throw;
  } catch (const Фатальная_проверка&) {
    throw;
  } catch (const Завершение_программы&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw Исключение_процедуры(std::string(имя), "Недостаточно памяти");
  } catch (const std::exception& e) {
    throw Исключение_процедуры(std::string(имя), e.what());
  } catch (...) {
    throw Исключение_процедуры(std::string(имя), "Неизвестная ошибка");
  }
}
}  // namespace detail

}  // namespace korvella
