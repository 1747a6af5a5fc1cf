#include "timetable/timetable_check.h"

#include <map>
#include <set>
#include <tuple>

namespace korvella {
namespace {

struct Проверка {
  const тип_Главная_запись& з;
  Итог_проверки_расписания& итог;
  int K, T, N, D, L, R;

  int Часов() const { return D * L; }
  void Нарушение(std::string т) { итог.нарушения.push_back(std::move(т)); }
  static std::string Ячейка(int c, int h) {
    return "class " + std::to_string(c) + ", hour " + std::to_string(h);
  }

  bool Размеры() {
    if (K < 1 || K > kМаксимум_классов || D < 1 || D > kМаксимум_дней || L < 1 ||
        D * L > kМаксимум_часов || T < 1 || T > kМаксимум_преподавателей || N < 1 ||
        N > kМаксимум_предметов || R < 0 || R > kМаксимум_учебных_нагрузок) {
      Нарушение("the school's sizes are out of range");
      return false;
    }
    return true;
  }

  void Вне_недели() {
    for (int c = 1; c <= kМаксимум_классов; ++c)
      for (int h = 1; h <= kМаксимум_часов; ++h)
        if ((c > K || h > Часов()) && (з.Школьное_расписание(c, h) || з.Расписание_предметов(c, h)))
          Нарушение(Ячейка(c, h) + ": a lesson outside the school's week");
  }

  void Ячейки_и_строки() {
    std::map<std::tuple<int, int, int>, int> поставлено;  // (class, subject, teacher) → lessons
    for (int c = 1; c <= K; ++c)
      for (int h = 1; h <= Часов(); ++h) {
        const int t = з.Школьное_расписание(c, h), s = з.Расписание_предметов(c, h);
        const bool запрет = з.Таблица_запрещений_на_проведение_уроков(c, h) != 0;
        if (t == 0 && s == 0) {
          if (!запрет) Нарушение(Ячейка(c, h) + ": a free hour without a lesson");
          continue;
        }
        ++итог.уроков;
        if (t < 1 || t > T || s < 1 || s > N) {
          Нарушение(Ячейка(c, h) + ": teacher " + std::to_string(t) + " / subject " +
                    std::to_string(s) + " is not a lesson of this school");
          continue;
        }
        if (запрет) Нарушение(Ячейка(c, h) + ": a lesson in a banned hour");
        ++поставлено[{c, s, t}];
      }
    std::set<std::tuple<int, int, int>> строки;
    for (int k = 1; k <= R; ++k) {
      const auto& с = з.Таблица_нагрузок(k);
      const std::tuple ключ{с.Класс, с.Предмет, с.Преподаватель};
      строки.insert(ключ);
      const auto it = поставлено.find(ключ);
      const int уроков = it == поставлено.end() ? 0 : it->second;
      if (уроков != с.Часы)
        Нарушение("load row " + std::to_string(k) + " (class " + std::to_string(с.Класс) +
                  ", subject " + std::to_string(с.Предмет) + ", teacher " +
                  std::to_string(с.Преподаватель) + "): " + std::to_string(уроков) + " lessons of " +
                  std::to_string(с.Часы));
    }
    for (const auto& [ключ, уроков] : поставлено)
      if (!строки.count(ключ))
        Нарушение("class " + std::to_string(std::get<0>(ключ)) + ": " + std::to_string(уроков) +
                  " lessons of subject " + std::to_string(std::get<1>(ключ)) + " with teacher " +
                  std::to_string(std::get<2>(ключ)) + " that no load row asks for");
  }

  void Преподаватели_по_часам() {
    std::vector<int> уроков(T + 1, 0);
    for (int h = 1; h <= Часов(); ++h) {
      std::vector<int> класс_преподавателя(T + 1, 0);
      for (int c = 1; c <= K; ++c) {
        const int t = з.Школьное_расписание(c, h);
        if (t < 1 || t > T) continue;
        ++уроков[t];
        if (класс_преподавателя[t] != 0)
          Нарушение(Ячейка(c, h) + ": teacher " + std::to_string(t) + " also teaches class " +
                    std::to_string(класс_преподавателя[t]));
        else
          класс_преподавателя[t] = c;
      }
    }
    for (int t = 1; t <= T; ++t)
      if (уроков[t] != з.Вектор_нагрузки_преподавателей(t))
        Нарушение("teacher " + std::to_string(t) + ": " + std::to_string(уроков[t]) +
                  " lessons, load " + std::to_string(з.Вектор_нагрузки_преподавателей(t)));
  }

  void Предметы_по_дням() {
    for (int c = 1; c <= K; ++c)
      for (int d = 1; d <= D; ++d) {
        std::set<int> предметы;
        for (int l = 1; l <= L; ++l) {
          const int s = з.Расписание_предметов(c, (d - 1) * L + l);
          if (s != 0 && !предметы.insert(s).second)
            Нарушение("class " + std::to_string(c) + ", day " + std::to_string(d) + ": subject " +
                      std::to_string(s) + " twice");
        }
      }
  }
};

}  // namespace

Итог_проверки_расписания Проверка_основного_расписания(const тип_Главная_запись& з,
                                                       bool требовать_готовности) {
  Итог_проверки_расписания итог;
  Проверка п{з,
             итог,
             з.Количество_классов_в_школе,
             з.Количество_шатных_преподавателей,
             з.Число_предметов_без_разделений_изучаемых_в_школе,
             з.Количество_учебных_дней_в_неделе,
             з.Количество_уроков_в_день,
             з.Количество_учебных_нагрузок};
  if (требовать_готовности && !з.Готово_основное_расписание)
    п.Нарушение("the main timetable is not calculated");
  if (!п.Размеры()) return итог;
  п.Вне_недели();
  п.Ячейки_и_строки();
  п.Преподаватели_по_часам();
  п.Предметы_по_дням();
  return итог;
}

}  // namespace korvella
