#include "app/program_steps.h"

#include "auxiliary/steps.h"
#include "entry/steps.h"
#include "timetable/steps.h"

namespace korvella {

Реестр_шагов Реестр_всех_шагов() {
  Реестр_шагов реестр;
  Зарегистрировать_шаги_ввода(реестр);
  Зарегистрировать_вспомогательные_шаги(реестр);
  Зарегистрировать_шаги_расписания(реестр);
  return реестр;
}

}  // namespace korvella
