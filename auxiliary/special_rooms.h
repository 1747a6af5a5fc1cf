// Special rooms (gyms among them) that every class visits a fixed number of
// times a week: how many are proposed, their default names and the proposed
// weekly load of every class in every room.
#pragma once

#include "core/main_record.h"

namespace korvella {

// A class visits one special room at most this often a week.
constexpr int kМаксимум_нагрузки_в_спецпомещении = 3;
constexpr int kМаксимум_знаков_в_названии_спецпомещения = 15;

// m = C/3 rounded (at most 4) and a random count 1..m; reseeds first.
void Определение_количества_спецпомещений(int классов, int32& максимум, int32& количество);

// "СпецПом_i" / "СпецПредм_i" with type i for rooms 1..count.
void Создание_списка_спецпомещений(
    int количество, Вектор<тип_Запись_спецпомещения, kМаксимум_спецпомещений>& список);

// The room's weekly capacity K = L·D is stored; then every class gets 3 lessons
// in every room when K ≥ 3·C, otherwise each room is filled by random single
// lessons (reseeding per room) until it holds K or C² classes have been drawn.
void Распределение_нагрузки_классов(
    int помещений, int классов, int уроков_в_день, int дней, int32& вместимость,
    Матрица<int32, kМаксимум_спецпомещений, kМаксимум_классов>& нагрузка);

// Sum of the loads of room r over classes 1..C.
int Нагрузка_спецпомещения(
    const Матрица<int32, kМаксимум_спецпомещений, kМаксимум_классов>& нагрузка, int помещение,
    int классов);

}  // namespace korvella
