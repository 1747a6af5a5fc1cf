// Dates as the record keeps them: days (with fraction) since 30 December 1899.
#pragma once

#include <chrono>
#include <string>

namespace korvella {

// Today, local time, as a whole day.
double Сегодня();

// A moment of the system clock as a record date (local time, with fraction).
double Дата_из_момента(std::chrono::system_clock::time_point момент);

// "dd.mm.yyyy" and "dd.mm.yyyy hh:mm:ss", the short date and long time formats.
std::string Дата_текстом(double дата);
std::string Дата_и_время_текстом(double дата);

}  // namespace korvella
