// Free hours of the classes, the number of subjects and their default names:
// what step 23 computes before the subject list is shown.
#pragma once

#include "core/main_record.h"

namespace korvella {

constexpr int kМинимум_предметов = 9;
constexpr int kДлина_названия_предмета = 14;

// Free slots of the school and of every class: the slots of the week that no
// earlier timetable has taken.
void Нераспределенная_нагрузка_классов_и_часовой_остаток(
    int дней, int уроков, int классов, const Таблица_класс_час& запреты, int32& остаток,
    Вектор<int32, kМаксимум_классов>& нагрузка_классов);

// Draws the number of subjects 9..bound; the bound grows with the classes.
// Reseeds the generator first.
void Число_учебных_предметов(int классов, int32& предел, int32& количество);

// The upper bound of the subject count for a school of this many classes.
int Предел_количества_предметов(int классов);

// Default names "БР_Предмет_01", ..., "БР_Предмет_10", ...
void Список_предметов(int количество, Вектор<Строка<14>, kМаксимум_предметов>& список);

}  // namespace korvella
