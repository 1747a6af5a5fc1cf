// Checks of the stored sanitary table and special-room timetable that the
// record alone lets one judge. They know nothing of how the tables were made,
// so they also check the calculations of steps 5 and 8.
#pragma once

#include <string>
#include <vector>

#include "core/main_record.h"

namespace korvella {

// With Готовы_санитарные_ограничения: each class has exactly its prohibition
// count of forbidden hours, each at lesson 1, 2, L−1 or L of a day, none on a
// special-room lesson, none outside the week, and no lesson of the main
// timetable lies in one. One line per violation, in English.
std::vector<std::string> Проверка_санитарных_запрещений(const тип_Главная_запись& запись);

// With Готово_расписание_спецпомещений: every class visits each room exactly
// its weekly load and each room at most once a day, no room holds two classes
// in one hour, no room number outside 1..R and nothing outside the week, and no
// lesson of the main timetable lies in a special-room hour. Without it the
// table must be empty.
std::vector<std::string> Проверка_расписания_спецпомещений(const тип_Главная_запись& запись);

}  // namespace korvella
