// Part-time teachers: a few teachers who come on one or two days a week and
// give a few lessons of one subject. These are the generators that propose
// their number, list, working days, first-lesson bans and lessons per class.
#pragma once

#include "core/main_record.h"

namespace korvella {

using Список_совместителей_t = Вектор<тип_Запись_совместителя, kМаксимум_совместителей>;
using Таблица_нерабочих_дней_t = Матрица<int32, kМаксимум_совместителей, kМаксимум_дней>;
using Вектор_запретов_совместителей_t = Вектор<int32, kМаксимум_совместителей>;
using Таблица_РПН_совместителей_t = Матрица<int32, kМаксимум_классов, kМаксимум_совместителей>;

constexpr int kМаксимум_нагрузки_совместителя = 6;
constexpr int kМаксимум_уроков_в_день_совместителя = 3;
// A part-timer gives a class at most this many lessons a week (on different days).
constexpr int kМаксимум_уроков_совместителя_в_классе = 2;
// The generator gives no class more part-timer lessons than this.
constexpr int kМаксимум_уроков_совместителей_в_классе = 5;
constexpr int kДлина_ФИО_совместителя = 23;
constexpr int kДлина_предмета_совместителя = 20;
constexpr int kНерабочий_день = 1;

// Reseeds; M from 1..4 per cent of the school's class-hours, divided by three,
// and the largest count offered (at most 9).
void Определение_количества_совместителей(int D, int L, int C, int32& количество, int32& максимум);

// Random loads 3..6 (three on the first day, the rest on the second) and default
// names for part-timers 1..M; does not reseed.
void Генерация_списка_совместителей(int D, int L, int C, int M, Список_совместителей_t& список);

// Reseeds; one random working day for everyone, a second one for those with a
// second-day load.
void Нерабочие_дни_совместителей(int M, int D, const Список_совместителей_t& список,
                                 Таблица_нерабочих_дней_t& дни);

// Reseeds; M div 4 (at least one) random part-timers may not teach a first lesson.
void Вектор_запрета_на_первый_урок_совместителей(int M, Вектор_запретов_совместителей_t& запреты);

// Reseeds; each part-timer's lessons spread over random classes, one per class
// (two allowed for loads above 4), no class above five part-timer lessons.
void Генерация_ТРНП_для_совместителей(int M, int C, int L, const Список_совместителей_t& список,
                                      Таблица_РПН_совместителей_t& таблица);

// A one-day part-timer with two lessons in a class cannot give them on different
// days: one lesson moves to a second day. The working-day table follows, so that
// the second day exists: the first non-working day of the week becomes working.
void Проверка_и_исправление_ТРПН_для_совместителей(int M, int C, int D,
                                                   Список_совместителей_t& список,
                                                   const Таблица_РПН_совместителей_t& таблица,
                                                   Таблица_нерабочих_дней_t& дни);

// Days a part-timer works: two with a second-day load, else one.
int Требуемые_рабочие_дни(const тип_Запись_совместителя& совместитель);
int Рабочие_дни(const Таблица_нерабочих_дней_t& дни, int совместитель, int D);

// Sum over classes 1..C of a part-timer's lessons.
int Введенная_нагрузка(const Таблица_РПН_совместителей_t& таблица, int совместитель, int C);

}  // namespace korvella
