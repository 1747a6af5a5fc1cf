// The school's frame as the generators of the first steps propose it: the grid
// mode, how many classes each year group gets and what the classes are called.
#pragma once

#include <string>

#include "core/main_record.h"

namespace korvella {

constexpr int kМинимум_классов = 5;
constexpr int kПараллелей_средней_школы = 5;
constexpr int kМаксимум_параллелей_старшей_школы = 4;
constexpr int kПараллелей_младшей_школы = 4;
constexpr int kМаксимум_знаков_в_названии_класса = 7;

// Letters of the classes of one year group, 1..14 (Й is skipped).
constexpr int kКоличество_букв_классов = 14;
const std::string& Буква_класса(int номер);

// Random grid mode (6×6 or 5×7, even odds) and 10 classes; reseeds first.
void Базовые_параметры_школы(int32& дней, int32& уроков, int32& классов);

// Spreads C classes over P year groups: C div P each (at least 1), the rest one
// more each in distinct random groups. Does not reseed.
void Определение_вектора_с_количеством_классов_в_параллеле(
    int классов, int параллелей, Вектор<int32, kМаксимум_параллелей>& вектор);

// Names the classes from the oldest grade down: "11-А", "11-Б", "10-А", ...
void Список_классов(int параллелей, int старшая_параллель,
                    const Вектор<int32, kМаксимум_параллелей>& вектор,
                    Вектор<тип_Запись_класса, kМаксимум_классов>& таблица);

}  // namespace korvella
