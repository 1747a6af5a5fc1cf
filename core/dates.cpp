#include "core/dates.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace korvella {
namespace {

// Days from 1899-12-30 to 1970-01-01.
constexpr double kДней_до_эпохи_Unix = 25569.0;

// Civil date from days since 1970-01-01 (Howard Hinnant's algorithm).
void Гражданская_дата(long long дни, int& год, int& месяц, int& день) {
  дни += 719468;
  const long long эра = (дни >= 0 ? дни : дни - 146096) / 146097;
  const unsigned доэ = static_cast<unsigned>(дни - эра * 146097);
  const unsigned гэ = (доэ - доэ / 1460 + доэ / 36524 - доэ / 146096) / 365;
  const unsigned днг = доэ - (365 * гэ + гэ / 4 - гэ / 100);
  const unsigned мп = (5 * днг + 2) / 153;
  день = static_cast<int>(днг - (153 * мп + 2) / 5 + 1);
  месяц = static_cast<int>(мп < 10 ? мп + 3 : мп - 9);
  год = static_cast<int>(гэ + эра * 400 + (месяц <= 2));
}

}  // namespace

double Дата_из_момента(std::chrono::system_clock::time_point момент) {
  const std::time_t t = std::chrono::system_clock::to_time_t(момент);
  std::tm местное{};
  localtime_r(&t, &местное);
  // Local wall-clock seconds since the epoch, ignoring the zone.
  const long long секунды = static_cast<long long>(t) + местное.tm_gmtoff;
  return kДней_до_эпохи_Unix + static_cast<double>(секунды) / 86400.0;
}

double Сегодня() { return std::floor(Дата_из_момента(std::chrono::system_clock::now())); }

std::string Дата_текстом(double дата) {
  int год, месяц, день;
  Гражданская_дата(static_cast<long long>(std::floor(дата - kДней_до_эпохи_Unix)), год, месяц, день);
  char буфер[32];
  std::snprintf(буфер, sizeof буфер, "%02d.%02d.%04d", день, месяц, год);
  return буфер;
}

std::string Дата_и_время_текстом(double дата) {
  const double доля = дата - std::floor(дата);
  long long секунды = std::llround(доля * 86400.0);
  if (секунды >= 86400) секунды = 86399;
  char буфер[32];
  std::snprintf(буфер, sizeof буфер, " %02lld:%02lld:%02lld", секунды / 3600, секунды / 60 % 60,
                секунды % 60);
  return Дата_текстом(дата) + буфер;
}

}  // namespace korvella
