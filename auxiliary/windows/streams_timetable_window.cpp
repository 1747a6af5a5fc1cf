#include "auxiliary/windows/streams_timetable_window.h"

namespace korvella {

using М = Модель_расписание_для_потоков;

TФорма_расписание_для_потоков::TФорма_расписание_для_потоков(Среда& среда, QWidget* родитель)
    : Окно_расчёта(среда, std::make_unique<М>(среда), родитель) {}

std::string TФорма_расписание_для_потоков::Текст_приглашения() const {
  return М::kТекст_приглашения;
}

std::string TФорма_расписание_для_потоков::Текст_неудачи() const { return М::kТекст_неудачи; }

// The failure is said in one line.
std::string TФорма_расписание_для_потоков::Второй_текст_неудачи() const { return {}; }

}  // namespace korvella
