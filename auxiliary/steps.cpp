#include "auxiliary/steps.h"

namespace korvella {

void Зарегистрировать_вспомогательные_шаги(Реестр_шагов& реестр) {
  (void)реестр;
}

}  // namespace korvella
