// Schools for the tests of competence and load distribution, built directly in a
// main record the way the chain of steps 1–25 would leave it.
#pragma once

#include <memory>
#include <vector>

#include "core/main_record.h"

namespace korvella::тест {

// Classes, subjects and teachers with default names; no curriculum yet.
std::unique_ptr<тип_Главная_запись> Пустая_школа(int дней, int уроков, int классов, int предметов,
                                                 int преподавателей);

// A random school like the generated ones: every class filled with its D·L
// hours from a sliding window of 9 subjects, at most D − 1 lessons of a subject,
// every subject used; the need vector is the hours / 18 rounded to even (at
// least 1), raised round-robin to C + C div 6 teachers, and T is its sum.
// Given a number of subjects or teachers, it uses them instead (the teachers as
// the total the needs are raised to).
std::unique_ptr<тип_Главная_запись> Случайная_школа(int дней, int классов, unsigned зерно,
                                                    int предметов = 0, int преподавателей = 0);

// Sets the curriculum cell of subject s in class c.
void План(тип_Главная_запись& з, int предмет, int класс, int часы);

// Marks teacher t competent for the given subjects.
void Компетентен(тип_Главная_запись& з, int преподаватель, std::vector<int> предметы);

}  // namespace korvella::тест
