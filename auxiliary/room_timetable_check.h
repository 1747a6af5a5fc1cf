// Checks of the stored sanitary table and special-room timetable that the
// record alone lets one judge. They know nothing of how the tables were made,
// so they also check the calculations of steps 5 and 8.
#pragma once

#include "core/check_result.h"
#include "core/main_record.h"

namespace korvella {

// The sanitary table, as steps 5 and 8 leave it: each class has exactly its
// prohibition count of forbidden hours, each at lesson 1, 2, L−1 or L of a
// day, none on a special-room lesson, none outside the week, and no lesson of
// the main timetable (once it is done) lies in one. Counts the prohibitions.
Итог_проверки_расписания Проверка_санитарных_запрещений(const тип_Главная_запись& запись);

// The special-room timetable, as step 8 leaves it: every class visits each
// room exactly its weekly load and each room at most once a day, no room holds
// two classes in one hour, no room number outside 1..R and nothing outside the
// week, and no lesson of the main timetable (once it is done) lies in a
// special-room hour. Counts the special-room lessons.
Итог_проверки_расписания Проверка_расписания_спецпомещений(const тип_Главная_запись& запись);

}  // namespace korvella
