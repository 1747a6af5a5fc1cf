// Physical education: every class has the same weekly PE load, taught in gyms,
// which are special rooms of type 1 with the subject "Физ-ра".
#pragma once

#include "core/main_record.h"

namespace korvella {

constexpr int kТип_спортзала = 1;
constexpr int kМаксимум_нагрузки_по_физкультуре = 3;
inline constexpr const char* kПредмет_спортзала = "Физ-ра";

// Gyms needed for C classes of b PE lessons each, a gym holding K lessons a week
// and a class's PE kept in one gym.
int Необходимое_количество_спортзалов(int классов, int вместимость, int нагрузка);

// Proposes the PE load b = 1..3 at random (reseeding first) and the gyms it needs.
void Нагрузка_классов_по_физкультуре(int классов, int вместимость, int32& нагрузка,
                                     int32& спортзалов);

// Puts the PE load into the first g rooms: the room list grows to g rooms when
// shorter, gyms are filled with whole classes in order, each up to its capacity,
// and rooms 1..g become gyms.
void Исправление_распределения_нагрузки_классов(
    int классов, int вместимость, int нагрузка, int спортзалов, int32& помещений,
    Матрица<int32, kМаксимум_спецпомещений, kМаксимум_классов>& таблица,
    Вектор<тип_Запись_спецпомещения, kМаксимум_спецпомещений>& список);

}  // namespace korvella
