#include "auxiliary/streams_check.h"

#include <array>
#include <iterator>
#include <set>
#include <string>

#include "auxiliary/streams.h"

namespace korvella {
namespace {

std::string Ячейка(int c, int h) {
  return "class " + std::to_string(c) + ", hour " + std::to_string(h);
}

struct Проверка {
  const тип_Главная_запись& з;
  Итог_проверки_потоков& итог;
  int C, D, L, S, N;
  std::array<int, kМаксимум_классов + 1> поток_класса{};  // 0 = the class is in no stream

  int W() const { return D * L; }
  void Нарушение(std::string т) { итог.нарушения.push_back(std::move(т)); }
  int Урок(int c, int h) const { return з.Расписание_для_потоков(c, h); }

  bool Размеры() {
    const bool режим = (D == 6 && L == 6) || (D == 5 && L == 7);
    if (!режим || C < 1 || C > kМаксимум_классов) {
      Нарушение("the school's sizes are out of range");
      return false;
    }
    return true;
  }

  void Вне_недели() {
    for (int c = 1; c <= kМаксимум_классов; ++c)
      for (int h = 1; h <= kМаксимум_часов; ++h)
        if ((c > C || h > W()) && Урок(c, h) != 0)
          Нарушение(Ячейка(c, h) + ": a stream lesson outside the school's week");
  }

  bool Пустое_расписание() const {
    for (int c = 1; c <= C; ++c)
      for (int h = 1; h <= W(); ++h)
        if (Урок(c, h) != 0) return false;
    return true;
  }

  bool Потоки_и_нагрузки() {
    if (S < 1 || S > kМаксимум_потоков || N < 1 || N > C) {
      Нарушение(std::to_string(S) + " streams of " + std::to_string(N) +
                " senior classes are out of range");
      return false;
    }
    const size_t было = итог.нарушения.size();
    for (int s = 1; s <= S; ++s) {
      bool есть_класс = false;
      for (int слот = 1; слот <= 2; ++слот) {
        const int x = з.Таблица_потоков(s, слот);
        if (x == 0) continue;
        есть_класс = true;
        if (x < 1 || x > N) {
          Нарушение("stream " + std::to_string(s) + ": class " + std::to_string(x) +
                    " is not a class of the senior year groups 1.." + std::to_string(N));
        } else if (поток_класса[x] != 0) {
          Нарушение("class " + std::to_string(x) + " is in stream " +
                    std::to_string(поток_класса[x]) + " and in stream " + std::to_string(s));
        } else {
          поток_класса[x] = s;
        }
      }
      if (!есть_класс) Нарушение("stream " + std::to_string(s) + " has no class");
      const int нагрузка = з.Вектор_нагрузки_для_протоков(s);
      if (нагрузка < 1 || нагрузка > kМаксимум_нагрузки_потока)
        Нарушение("stream " + std::to_string(s) + ": load " + std::to_string(нагрузка) +
                  " is out of 1.." + std::to_string(kМаксимум_нагрузки_потока));
    }
    for (int s = S + 1; s <= kМаксимум_потоков; ++s)
      if (з.Таблица_потоков(s, 1) != 0 || з.Таблица_потоков(s, 2) != 0)
        Нарушение("stream " + std::to_string(s) + " beyond the school's " + std::to_string(S) +
                  " streams holds a class");
    int сумма = 0;
    for (int s = 1; s <= S; ++s) сумма += з.Вектор_нагрузки_для_протоков(s);
    if (сумма != з.Суммарная_потоковая_нагрузка)
      Нарушение("the total load " + std::to_string(з.Суммарная_потоковая_нагрузка) +
                " differs from the sum of the loads " + std::to_string(сумма));
    return итог.нарушения.size() == было;
  }

  void Ячейки_своих_потоков() {
    for (int c = 1; c <= C; ++c)
      for (int h = 1; h <= W(); ++h)
        if (const int s = Урок(c, h); s != 0 && (s < 1 || s > S || поток_класса[c] != s))
          Нарушение(Ячейка(c, h) + ": stream " + std::to_string(s) +
                    ", which does not hold this class");
  }

  void Нагрузка_в_обоих_классах() {
    for (int s = 1; s <= S; ++s) {
      const int a = з.Таблица_потоков(s, 1), b = з.Таблица_потоков(s, 2);
      for (int c : {a, b}) {
        if (c < 1 || c > C) continue;
        int часов = 0;
        for (int h = 1; h <= W(); ++h) часов += Урок(c, h) == s;
        if (часов != з.Вектор_нагрузки_для_протоков(s))
          Нарушение("stream " + std::to_string(s) + ": class " + std::to_string(c) + " has " +
                    std::to_string(часов) + " lessons of the stream, its load is " +
                    std::to_string(з.Вектор_нагрузки_для_протоков(s)));
      }
      if (a < 1 || a > C || b < 1 || b > C) continue;
      for (int h = 1; h <= W(); ++h)
        if ((Урок(a, h) == s) != (Урок(b, h) == s)) {
          Нарушение("stream " + std::to_string(s) + ": hour " + std::to_string(h) +
                    " is a stream lesson of only one of its classes " + std::to_string(a) +
                    " and " + std::to_string(b));
          break;
        }
    }
  }

  void Часы_различны_и_уроки_по_дням() {
    std::array<std::set<int>, kМаксимум_часов + 1> потоки_часа;
    for (int c = 1; c <= C; ++c)
      for (int h = 1; h <= W(); ++h)
        if (const int s = Урок(c, h); s >= 1 && s <= S) потоки_часа[h].insert(s);
    std::array<std::array<int, kМаксимум_дней + 1>, kМаксимум_потоков + 1> уроков_в_день{};
    for (int h = 1; h <= W(); ++h) {
      if (потоки_часа[h].size() > 1)
        Нарушение("hour " + std::to_string(h) + ": streams " +
                  std::to_string(*потоки_часа[h].begin()) + " and " +
                  std::to_string(*std::next(потоки_часа[h].begin())) + " at once");
      for (int s : потоки_часа[h]) ++уроков_в_день[s][(h - 1) / L + 1];
      итог.уроков += static_cast<int>(потоки_часа[h].size());
    }
    for (int s = 1; s <= S; ++s)
      for (int d = 1; d <= D; ++d)
        if (уроков_в_день[s][d] > 1) {
          ++итог.потоков_с_двумя_уроками_в_день;
          break;
        }
  }

  // The tables fixed before the streams: the calculation had them as prohibitions.
  void Запрещённые_часы() {
    for (int c = 1; c <= C; ++c)
      for (int h = 1; h <= W(); ++h) {
        if (Урок(c, h) == 0) continue;
        if (з.Таблица_санитарных_запрещений(c, h) > 0)
          Нарушение(Ячейка(c, h) + ": a stream lesson in a sanitary-forbidden hour");
        if (з.Расписание_спецпомещений(c, h) > 0)
          Нарушение(Ячейка(c, h) + ": a stream lesson in a special-room hour");
        if (з.Расписание_для_совместителей(c, h) > 0)
          Нарушение(Ячейка(c, h) + ": a stream lesson in a part-timer's hour");
      }
  }

  void Основное_расписание_свободно() {
    for (int c = 1; c <= C; ++c)
      for (int h = 1; h <= W(); ++h)
        if (Урок(c, h) != 0 &&
            (з.Школьное_расписание(c, h) != 0 || з.Расписание_предметов(c, h) != 0))
          Нарушение(Ячейка(c, h) + ": a main lesson in a stream hour");
  }
};

}  // namespace

bool Расписание_потоков_есть(const тип_Главная_запись& з) {
  if (з.Готово_расписание_потоков) return true;
  for (const auto& строка : з.Расписание_для_потоков.элементы)
    for (int значение : строка)
      if (значение != 0) return true;
  return false;
}

Итог_проверки_потоков Проверка_расписания_потоков(const тип_Главная_запись& з) {
  Итог_проверки_потоков итог;
  Проверка п{з,
             итог,
             з.Количество_классов_в_школе,
             з.Количество_учебных_дней_в_неделе,
             з.Количество_уроков_в_день,
             з.Количество_потоков_в_школе,
             з.Количество_классов_потоковых_параллелей};
  if (!п.Размеры()) return итог;
  п.Вне_недели();
  if (!з.Готово_расписание_потоков) {
    if (!п.Пустое_расписание()) п.Нарушение("the timetable is not done but holds stream lessons");
    return итог;
  }
  if (!п.Потоки_и_нагрузки()) return итог;
  п.Ячейки_своих_потоков();
  п.Нагрузка_в_обоих_классах();
  п.Часы_различны_и_уроки_по_дням();
  п.Запрещённые_часы();
  п.Основное_расписание_свободно();
  return итог;
}

}  // namespace korvella
