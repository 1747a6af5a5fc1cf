// Which step model serves which step number. Each area registers its own steps;
// a step nobody registered gets the bare pattern (it only continues or stops),
// and a calculation step nobody registered refuses to continue.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "shell/step_model.h"
#include "shell/step_table.h"

namespace korvella {

inline constexpr const char* kРасчёт_не_подключён =
    "Расчет для этого шага еще не подключен к программе, поэтому продолжить решение задачи "
    "нельзя.";

using Фабрика_модели_шага = std::function<std::unique_ptr<Модель_шага>(Среда&)>;

class Реестр_шагов {
 public:
  void Зарегистрировать(int номер, Фабрика_модели_шага фабрика);
  std::unique_ptr<Модель_шага> Создать(int номер, Среда& среда) const;
  bool Зарегистрирован(int номер) const;

 private:
  std::array<Фабрика_модели_шага, kКоличество_шагов> фабрики_;
};

template <class Модель>
void Зарегистрировать_модель(Реестр_шагов& реестр, int номер) {
  реестр.Зарегистрировать(номер, [](Среда& с) { return std::make_unique<Модель>(с); });
}

}  // namespace korvella
