// Clearing the substitution data: a new task, a return to an earlier step and a
// new special-room teachers' timetable all start the substitutions afresh.
#pragma once

#include "core/main_record.h"

namespace korvella {

// The absence marks of the four teacher lists.
void Очистка_всех_списков_преподавателей(тип_Главная_запись& запись);
void Обнуление_расписания_замен(тип_Главная_запись& запись);
void Обнуление_пареллелепипеда_замен_для_разделений(тип_Главная_запись& запись);
// Cell information of the absent-teachers grid.
void Обнулление_копии_таблицы_для_выделенных_преподавателей(тип_Главная_запись& запись);
// Cell information of the substitution timetable; every cell's log date becomes
// the task's start date.
void Обнулление_копии_таблицы_расписания_замен(тип_Главная_запись& запись);

// All five, in this order.
void Очистка_данных_замен(тип_Главная_запись& запись);

}  // namespace korvella
