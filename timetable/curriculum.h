// The curriculum of the subjects taught without division into groups: lessons
// per week of every subject in every class, filling exactly the hours each class
// has left after the earlier timetables.
//
// Generation draws whole variants and keeps the first one in which every subject
// gets at least a minimum of lessons over the school. Each class draws from a
// window of 9 consecutive subjects that slides upward over the classes, so the
// oldest classes and the youngest ones learn different subjects. The minimum
// starts at 6 and drops by one after every 10000 rejected variants; below 2 the
// generation gives up and keeps its last variant.
#pragma once

#include "core/dialogs.h"
#include "core/main_record.h"

namespace korvella {

using Учебный_план = Матрица<int32, kМаксимум_предметов, kМаксимум_классов>;

constexpr int kОкно_предметов = 9;
constexpr int kВариантов_на_минимум = 10000;
constexpr int kНачальный_минимум_предмета = 6;
constexpr int kНаименьший_минимум_предмета = 2;
constexpr int kПредел_выборов_класса = 300;

// State of one generation run.
struct Построение_учебного_плана {
  Построение_учебного_плана(int уроков_в_день, int дней_в_неделе, int классов, int всего_свободных,
                            int предметов, const Вектор<int32, kМаксимум_классов>& нагрузка,
                            Учебный_план& план);

  int L, D, K, N;
  int всего_свободных;
  int предел_ячейки;  // D - 1: a subject at most once a day and never every day
  double сдвиг_окна;  // how far the window slides per middle class
  double накопитель = 0;
  int нижний_предмет = 1;
  const Вектор<int32, kМаксимум_классов>& нагрузка;
  Учебный_план& план;
  bool неудача_класса = false;
  int повторений = 0;  // Количество_повторений_при_построении_учебного_плана
  int вариантов = 0;  // all variants built, for the summary
  int минимум = kНачальный_минимум_предмета;

  // One whole variant; every class ends exactly full.
  void Строим_вариант();
  // Fills class c from the subjects first..last; false when 300 draws were not enough.
  bool Заполнение_класса(int c, int первый, int последний);
  // Moves one lesson from the first largest subject to the last smallest one.
  void Выравнивание_класса(int c, int первый, int последний);
  // Highest subject with a lesson anywhere, 0 for an empty plan.
  int Старший_предмет() const;
  // The smallest number of lessons of a subject 1..N over all classes.
  int Наименьшая_сумма_предмета() const;
  int Сумма_класса(int c) const;
  int Сумма_плана() const;
};

struct Итог_учебного_плана {
  bool неудача = false;
  int вариантов = 0;  // variants built in all
  int минимум = 0;    // the minimum the accepted variant met
};

// Generates the curriculum into `план`. On giving up shows "Не удалось
// сформировать учебный_план", sets `неудача` and leaves the last variant.
// The consistency checks of an accepted variant are internal stops.
Итог_учебного_плана Нераспределенный_учебный_план(int уроков_в_день, int дней_в_неделе, int классов,
                                                  int всего_свободных, int предметов,
                                                  const Вектор<int32, kМаксимум_классов>& нагрузка,
                                                  const Таблица_класс_час& запреты, bool& неудача,
                                                  Учебный_план& план, Диалоги& диалоги);

}  // namespace korvella
