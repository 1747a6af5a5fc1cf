#include "timetable/steps.h"
#include "timetable/competence_step.h"
#include "timetable/curriculum_model.h"
#include "timetable/distribution_step.h"
#include "timetable/first_lesson_bans_step.h"
#include "timetable/main_timetable_step.h"

namespace korvella {

void Зарегистрировать_шаги_расписания(Реестр_шагов& реестр) {
  (void)реестр;
  Зарегистрировать_модель<Модель_учебного_плана>(реестр, 24);
  Зарегистрировать_модель<Модель_таблицы_компетентности>(реестр, 26);
  Зарегистрировать_модель<Модель_распределения_нагрузки>(реестр, 27);
  Зарегистрировать_модель<Модель_запретов_на_первый_урок>(реестр, 28);
  Зарегистрировать_модель<Модель_основного_расписания>(реестр, 29);
}

}  // namespace korvella
