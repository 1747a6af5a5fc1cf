#include "entry/steps.h"

namespace korvella {

void Зарегистрировать_шаги_ввода(Реестр_шагов& реестр) {
  (void)реестр;
}

}  // namespace korvella
