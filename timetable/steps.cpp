#include "timetable/steps.h"

namespace korvella {

void Зарегистрировать_шаги_расписания(Реестр_шагов& реестр) {
  (void)реестр;
}

}  // namespace korvella
