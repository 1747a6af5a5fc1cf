// Streams: one or two classes of the senior year groups taught some lessons
// together. The senior year groups are the first k, their classes the first N
// classes of the class table. This file holds the proposals of steps 14–16 and
// the marks that tell which classes are in a stream.
#pragma once

#include <string>

#include "core/main_record.h"

namespace korvella {

constexpr int kМаксимум_потоковых_параллелей = 3;
constexpr int kМаксимум_нагрузки_потока = 3;
constexpr int kМаксимум_знаков_в_названии_потока = 25;
// The generator's cap on the total; 28 streams of 3 lessons never exceed it.
constexpr int kПредельная_суммарная_нагрузка_всех_потоков_в_школе = 84;

using Таблица_потоков_школы = Матрица<int32, kМаксимум_потоков, 2>;
using Нагрузки_потоков = Вектор<int32, kМаксимум_потоков>;

inline constexpr const char* kОтметка_включен = "[Включен]";
inline constexpr const char* kОтметка_не_включен = "[       ]";

// k = 1 + Random(3) after reseeding.
void Количество_потоковых_параллелей(int32& k);

// N = classes of year groups 1..k, the limits ⌈N/2⌉ and N, and a random S
// between them (reseeds first).
void Количество_потоков_и_предельные_значения(
    const Вектор<int32, kМаксимум_параллелей>& классов_в_параллели, int k, int32& минимум,
    int32& максимум, int32& N, int32& S);

// Default streams: "Название потока s" and the classes 1..N walked in order, the
// first N − S streams getting two consecutive classes and the rest one each.
// Every class lands exactly once and every stream gets a class; anything else is
// an internal stop.
void Формирование_потоков(int k, int N, int S,
                          const Вектор<int32, kМаксимум_параллелей>& классов_в_параллели,
                          Вектор<Строка<25>, kМаксимум_потоков>& названия,
                          Таблица_потоков_школы& потоки);

// Random loads 1..3 for streams 1..S (reseeds first), drawn again until the total
// stays within the cap.
void Вектор_нагрузки_потоков(int S, int32& всего, Нагрузки_потоков& нагрузки);

// Whether class x is in one of streams 1..S.
bool Класс_в_потоках(int x, int S, const Таблица_потоков_школы& потоки);

// "[Включен]" for the classes 1..N that streams 1..S hold, "[       ]" for the others.
void Пересчёт_отметок_включения_классов(int N, int S, const Таблица_потоков_школы& потоки,
                                        Вектор<Строка<9>, kМаксимум_классов>& отметки);

}  // namespace korvella
