#include "entry/steps.h"

#include "entry/base_parameters_step.h"
#include "entry/class_list_step.h"
#include "entry/staff_teachers_model.h"
#include "entry/subject_list_model.h"
#include "entry/task_list_step.h"
#include "entry/year_groups_step.h"

namespace korvella {

void Зарегистрировать_шаги_ввода(Реестр_шагов& реестр) {
  (void)реестр;
  Зарегистрировать_модель<Модель_список_решаемых_задач>(реестр, 0);
  Зарегистрировать_модель<Модель_базовые_параметры>(реестр, 1);
  Зарегистрировать_модель<Модель_количество_параллелей_в_школе>(реестр, 2);
  Зарегистрировать_модель<Модель_список_классов>(реестр, 3);
  Зарегистрировать_модель<Модель_списка_предметов>(реестр, 23);
  Зарегистрировать_модель<Модель_списка_преподавателей>(реестр, 25);
}

}  // namespace korvella
