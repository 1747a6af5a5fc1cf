#include "shell/step_registry.h"

#include <cassert>

namespace korvella {

void Реестр_шагов::Зарегистрировать(int номер, Фабрика_модели_шага фабрика) {
  assert(номер >= 0 && номер < kКоличество_шагов);
  фабрики_[номер] = std::move(фабрика);
}

std::unique_ptr<Модель_шага> Реестр_шагов::Создать(int номер, Среда& среда) const {
  if (фабрики_[номер]) return фабрики_[номер](среда);
  return std::make_unique<Модель_шага>(среда, номер);
}

}  // namespace korvella
