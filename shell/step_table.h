// The thirty wizard steps: their names, captions, chain groups and done flags.
#pragma once

#include <array>
#include <string>

#include "core/main_record.h"

namespace korvella {

constexpr int kКоличество_шагов = 30;

struct Описание_шага {
  const char* название;       // text of Названия_шагов (the return-to-step list)
  const char* класс_окна;     // class name of the step window
  const char* префикс_заголовка;  // caption without the step number and ")"
};

const Описание_шага& Шаг(int номер);

// The step texts, filled once at start.
const std::array<std::string, kКоличество_шагов>& Названия_шагов();

// Caption of a step window: prefix + number + ")".
std::string Заголовок_шага(int номер);

bool Расчётный_шаг(int номер);

// The done flag that skips a calculation step on resume; nullptr for the other steps.
Логическое* Флаг_готовности_шага(тип_Главная_запись& запись, int номер);

// The optional-task flag a step depends on; nullptr for the steps always in the chain.
const Логическое* Флаг_задачи_шага(const тип_Главная_запись& запись, int номер);

// First step of the optional group a step belongs to, or -1.
int Первый_шаг_группы(int номер);

}  // namespace korvella
