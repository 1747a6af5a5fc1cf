#include "auxiliary/room_timetable_check.h"

#include <array>

#include "auxiliary/sanitary.h"

namespace korvella {
namespace {

std::string Ячейка(int c, int h) {
  return "class " + std::to_string(c) + ", hour " + std::to_string(h);
}

// The school's week, or a line saying why it cannot be judged.
struct Неделя {
  int C, D, L, R;
  int W() const { return D * L; }
  bool В_неделе(int c, int h) const { return c <= C && h <= W(); }
};

bool Размеры_допустимы(const Неделя& н, std::vector<std::string>& нарушения) {
  if (н.C < 1 || н.C > kМаксимум_классов || н.D < 1 || н.D > kМаксимум_дней || н.L < 2 ||
      н.W() > kМаксимум_часов) {
    нарушения.push_back("the school's sizes are out of range");
    return false;
  }
  return true;
}

Неделя Неделя_записи(const тип_Главная_запись& з) {
  return {з.Количество_классов_в_школе, з.Количество_учебных_дней_в_неделе,
          з.Количество_уроков_в_день, з.Количество_спецпомещений};
}

bool Урок_основного_расписания(const тип_Главная_запись& з, int c, int h) {
  return з.Готово_основное_расписание &&
         (з.Школьное_расписание(c, h) != 0 || з.Расписание_предметов(c, h) != 0);
}

}  // namespace

Итог_проверки_расписания Проверка_санитарных_запрещений(const тип_Главная_запись& з) {
  Итог_проверки_расписания итог;
  auto& нарушения = итог.нарушения;
  const Неделя н = Неделя_записи(з);
  if (!Размеры_допустимы(н, нарушения)) return итог;
  const auto& S = з.Таблица_санитарных_запрещений;
  for (int c = 1; c <= kМаксимум_классов; ++c) {
    int запретов = 0;
    for (int h = 1; h <= kМаксимум_часов; ++h) {
      const int значение = S(c, h);
      if (значение == 0) continue;
      if (!н.В_неделе(c, h)) {
        нарушения.push_back(Ячейка(c, h) + ": a prohibition outside the school's week");
        continue;
      }
      ++запретов;
      ++итог.уроков;
      if (значение != kСанитарный_запрет)
        нарушения.push_back(Ячейка(c, h) + ": value " + std::to_string(значение) +
                            " is not a sanitary prohibition");
      const int урок = (h - 1) % н.L + 1;
      if (урок != 1 && урок != 2 && урок != н.L - 1 && урок != н.L)
        нарушения.push_back(Ячейка(c, h) + ": a prohibition at lesson " + std::to_string(урок) +
                            ", not at an end of the day");
      if (з.Расписание_спецпомещений(c, h) != 0)
        нарушения.push_back(Ячейка(c, h) + ": a prohibition on a special-room lesson");
      if (Урок_основного_расписания(з, c, h))
        нарушения.push_back(Ячейка(c, h) + ": a main-timetable lesson in a forbidden hour");
    }
    if (c <= н.C && запретов != з.Вектор_запрещений_у_классов(c))
      нарушения.push_back("class " + std::to_string(c) + ": " + std::to_string(запретов) +
                          " forbidden hours, its count is " +
                          std::to_string(з.Вектор_запрещений_у_классов(c)));
  }
  return итог;
}

Итог_проверки_расписания Проверка_расписания_спецпомещений(const тип_Главная_запись& з) {
  Итог_проверки_расписания итог;
  auto& нарушения = итог.нарушения;
  const auto& П = з.Расписание_спецпомещений;
  const Неделя н = Неделя_записи(з);
  if (!Размеры_допустимы(н, нарушения)) return итог;
  if (н.R < 1 || н.R > kМаксимум_спецпомещений) {
    нарушения.push_back("the number of special rooms is out of range");
    return итог;
  }
  for (int c = 1; c <= kМаксимум_классов; ++c)
    for (int h = 1; h <= kМаксимум_часов; ++h) {
      const int r = П(c, h);
      if (r == 0) continue;
      ++итог.уроков;
      if (!н.В_неделе(c, h))
        нарушения.push_back(Ячейка(c, h) + ": a special-room lesson outside the school's week");
      else if (r < 1 || r > н.R)
        нарушения.push_back(Ячейка(c, h) + ": room " + std::to_string(r) + " is not one of the " +
                            std::to_string(н.R) + " special rooms");
      else if (Урок_основного_расписания(з, c, h))
        нарушения.push_back(Ячейка(c, h) + ": a main-timetable lesson in a special-room hour");
    }
  for (int c = 1; c <= н.C; ++c) {
    std::array<int, kМаксимум_спецпомещений + 1> визитов{};
    for (int d = 1; d <= н.D; ++d) {
      std::array<int, kМаксимум_спецпомещений + 1> за_день{};
      for (int h = d * н.L - н.L + 1; h <= d * н.L; ++h)
        if (const int r = П(c, h); r >= 1 && r <= н.R) ++за_день[r], ++визитов[r];
      for (int r = 1; r <= н.R; ++r)
        if (за_день[r] > 1)
          нарушения.push_back("class " + std::to_string(c) + ", day " + std::to_string(d) +
                              ": room " + std::to_string(r) + " " + std::to_string(за_день[r]) +
                              " times");
    }
    for (int r = 1; r <= н.R; ++r)
      if (визитов[r] != з.Нагрузка_классов_в_спецпомещениях(r, c))
        нарушения.push_back("class " + std::to_string(c) + ", room " + std::to_string(r) + ": " +
                            std::to_string(визитов[r]) + " visits, its load is " +
                            std::to_string(з.Нагрузка_классов_в_спецпомещениях(r, c)));
  }
  for (int h = 1; h <= н.W(); ++h) {
    std::array<int, kМаксимум_спецпомещений + 1> класс_помещения{};
    for (int c = 1; c <= н.C; ++c) {
      const int r = П(c, h);
      if (r < 1 || r > н.R) continue;
      if (класс_помещения[r] != 0)
        нарушения.push_back(Ячейка(c, h) + ": room " + std::to_string(r) + " also holds class " +
                            std::to_string(класс_помещения[r]));
      else
        класс_помещения[r] = c;
    }
  }
  return итог;
}

}  // namespace korvella
