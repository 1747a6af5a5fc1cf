#include "auxiliary/part_time_check.h"

#include "auxiliary/part_time_teachers.h"

namespace korvella {
namespace {

std::string Ячейка(int c, int h) {
  return "class " + std::to_string(c) + ", hour " + std::to_string(h);
}
std::string Совместитель(int p) { return "part-timer " + std::to_string(p); }

struct Проверка {
  const тип_Главная_запись& з;
  Итог_проверки_расписания& итог;
  int C, M, D, L;

  int W() const { return D * L; }
  int День(int h) const { return (h - 1) / L + 1; }
  void Нарушение(std::string т) { итог.нарушения.push_back(std::move(т)); }
  const Таблица_класс_час& Расписание() const { return з.Расписание_для_совместителей; }

  bool Размеры() {
    if (C < 1 || C > kМаксимум_классов || M < 1 || M > kМаксимум_совместителей || D < 1 ||
        D > kМаксимум_дней || L < 1 || W() > kМаксимум_часов) {
      Нарушение("the school's or the part-timers' sizes are out of range");
      return false;
    }
    return true;
  }

  void Номера_и_границы() {
    for (int c = 1; c <= kМаксимум_классов; ++c)
      for (int h = 1; h <= kМаксимум_часов; ++h) {
        const int p = Расписание()(c, h);
        if (p == 0) continue;
        if (c > C || h > W())
          Нарушение(Ячейка(c, h) + ": a part-timer lesson outside the school's week");
        else if (p < 1 || p > M)
          Нарушение(Ячейка(c, h) + ": " + Совместитель(p) + " is not one of the school's " +
                    std::to_string(M));
        else
          ++итог.уроков;
      }
  }

  void Уроки_по_классам() {
    for (int c = 1; c <= C; ++c)
      for (int p = 1; p <= M; ++p) {
        int уроков = 0;
        std::vector<int> по_дням(D + 1, 0);
        for (int h = 1; h <= W(); ++h)
          if (Расписание()(c, h) == p) {
            ++уроков;
            ++по_дням[День(h)];
          }
        const int нужно = з.Таблица_РПН_для_совместителей(c, p);
        if (уроков != нужно)
          Нарушение("class " + std::to_string(c) + ", " + Совместитель(p) + ": " +
                    std::to_string(уроков) + " lessons of " + std::to_string(нужно));
        for (int d = 1; d <= D; ++d)
          if (по_дням[d] > 1)
            Нарушение("class " + std::to_string(c) + ", " + Совместитель(p) + ": " +
                      std::to_string(по_дням[d]) + " lessons on day " + std::to_string(d));
      }
  }

  void Часы_совместителей() {
    for (int h = 1; h <= W(); ++h) {
      std::vector<int> классов(M + 1, 0);
      for (int c = 1; c <= C; ++c) {
        const int p = Расписание()(c, h);
        if (p < 1 || p > M) continue;
        ++классов[p];
        if (з.Таблица_нерабочих_дней_совместителей(p, День(h)) == kНерабочий_день)
          Нарушение(Ячейка(c, h) + ": " + Совместитель(p) + " does not work on day " +
                    std::to_string(День(h)));
        if ((h - 1) % L == 0 && з.Вектор_запрета_для_совместителей_на_первый_урок(p) == 1)
          Нарушение(Ячейка(c, h) + ": " + Совместитель(p) + " is banned from the first lesson");
        if (з.Таблица_санитарных_запрещений(c, h) != 0)
          Нарушение(Ячейка(c, h) + ": a part-timer lesson in a sanitary hour");
        if (з.Расписание_спецпомещений(c, h) != 0)
          Нарушение(Ячейка(c, h) + ": a part-timer lesson in a special-room hour");
        if (з.Готово_основное_расписание && з.Расписание_предметов(c, h) != 0)
          Нарушение(Ячейка(c, h) + ": a main lesson in a part-timer hour");
        if (з.Готово_основное_расписание && з.Школьное_расписание(c, h) != 0)
          Нарушение(Ячейка(c, h) + ": a staff teacher and a part-timer in one class hour");
      }
      for (int p = 1; p <= M; ++p)
        if (классов[p] > 1)
          Нарушение("hour " + std::to_string(h) + ": " + Совместитель(p) + " in " +
                    std::to_string(классов[p]) + " classes at once");
    }
  }

  void Сумма_нагрузок() {
    int таблица = 0, нагрузки = 0;
    for (int p = 1; p <= M; ++p) {
      таблица += Введенная_нагрузка(з.Таблица_РПН_для_совместителей, p, C);
      нагрузки += з.Список_совместителей(p).Нагрузка;
    }
    if (таблица != нагрузки)
      Нарушение("the lesson table holds " + std::to_string(таблица) +
                " lessons, the loads sum to " + std::to_string(нагрузки));
  }
};

}  // namespace

bool Есть_расписание_совместителей(const тип_Главная_запись& з) {
  if (з.Готово_расписание_совместителей) return true;
  for (const auto& строка : з.Расписание_для_совместителей.элементы)
    for (int p : строка)
      if (p != 0) return true;
  return false;
}

Итог_проверки_расписания Проверка_расписания_совместителей(const тип_Главная_запись& з) {
  Итог_проверки_расписания итог;
  if (!з.Готово_расписание_совместителей) {
    for (int c = 1; c <= kМаксимум_классов; ++c)
      for (int h = 1; h <= kМаксимум_часов; ++h)
        if (з.Расписание_для_совместителей(c, h) != 0) {
          итог.нарушения.push_back(Ячейка(c, h) +
                                   ": a part-timer lesson in a timetable not marked done");
          return итог;
        }
    return итог;
  }
  Проверка п{з,
             итог,
             з.Количество_классов_в_школе,
             з.Количество_совместителей_в_школе,
             з.Количество_учебных_дней_в_неделе,
             з.Количество_уроков_в_день};
  if (!п.Размеры()) return итог;
  п.Номера_и_границы();
  п.Уроки_по_классам();
  п.Часы_совместителей();
  п.Сумма_нагрузок();
  return итог;
}

}  // namespace korvella
