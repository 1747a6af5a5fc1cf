// The hours of the stream lessons, fixed before the main timetable.
//
// Every stream lesson needs its own hour of the week (all streams share the
// senior teachers), never an hour taken from one of the stream's classes. The
// calculation first colours the graph of all stream lessons (a complete graph:
// colours are hours) greedily in random vertex orders, at most one lesson of a
// stream a day, up to 95000 orders; when that fails or is not worth trying it
// places the lessons by direct random draws.
//
// Cost: a colouring try is n random swaps and one greedy pass of n vertices
// (n ≤ 36 when the colouring is tried); the acceptable hours of a vertex are a
// 64-bit mask kept up to date per hour and per stream day, so the pass finds
// each next hour in O(1). The fallback is bounded by L² draws per choice and
// L² tries per stream.
#pragma once

#include <array>
#include <cstdint>

#include "auxiliary/streams.h"

namespace korvella {

constexpr int kПредел_попыток_раскраски_потоков = 95000;
constexpr int kМаксимум_вершин_потоков = kПредельная_суммарная_нагрузка_всех_потоков_в_школе;

// Sum of the class prohibitions of each stream's classes, [stream][hour].
using Таблица_поток_час = Матрица<int32, kМаксимум_потоков, kМаксимум_часов>;

// The vertices of the stream graph: the lessons of streams 1..S in order.
struct Граф_потоков {
  int вершин = 0;
  std::array<int, kМаксимум_вершин_потоков + 1> поток{};  // Расширенный_вектор_с_потоками, 1-based
};

// Which way the last calculation went, for the command line and the benchmarks.
struct Ход_расчёта_потоков {
  enum class Путь { Нет, Раскраска, Случайная_расстановка };
  Путь путь = Путь::Нет;  // the path that placed every lesson; Нет on failure
  bool раскраска_пробовалась = false;
  int попыток_раскраски = 0;  // orders tried by the colouring
  int граница_раскраски = 0;  // W': the colouring is tried for totals 2..W'
};

// The whole calculation; on failure the timetable is cleared (classes 1..C,
// hours 1..W) and `неудача` is set.
void Процедуры_расписание_для_потоков(int D, int L, int C, int S, int всего,
                                      const Таблица_класс_час& запрещения,
                                      const Таблица_потоков_школы& потоки,
                                      const Нагрузки_потоков& нагрузки, bool& неудача,
                                      Таблица_класс_час& расписание,
                                      Ход_расчёта_потоков* ход = nullptr);

// Its steps.
void Строим_таблицу_на_потоковые_запрещения(int S, int W, const Таблица_класс_час& запрещения,
                                            const Таблица_потоков_школы& потоки,
                                            Таблица_поток_час& SP);
void Строим_матрицу_смежности_для_потоков(int S, const Нагрузки_потоков& нагрузки,
                                          Граф_потоков& граф);
// Colours (hours 1..W) of the vertices; true when every vertex got one within
// the try bound. `попыток` is the number of orders tried.
bool Раскраска_графа_для_потоков(int D, int L, int S, const Таблица_поток_час& SP,
                                 const Граф_потоков& граф,
                                 std::array<int, kМаксимум_вершин_потоков + 1>& цвета,
                                 int& попыток);
void Строим_расписание_для_потоков(int C, int W, const Граф_потоков& граф,
                                   const std::array<int, kМаксимум_вершин_потоков + 1>& цвета,
                                   const Таблица_потоков_школы& потоки,
                                   Таблица_класс_час& расписание);
// Fallback: 0/1 table [stream][hour]; true when every lesson got an hour.
bool Построение_таблицы_разрешения_потоков(int D, int L, int S, const Таблица_поток_час& SP,
                                           const Нагрузки_потоков& нагрузки,
                                           Таблица_поток_час& разрешение);
void Составление_расписания_для_потоков(int C, int W, int S, const Таблица_поток_час& разрешение,
                                        const Таблица_потоков_школы& потоки,
                                        Таблица_класс_час& расписание);
void Обнуление_потоковых_запрещений(int C, int W, Таблица_класс_час& расписание);

}  // namespace korvella
