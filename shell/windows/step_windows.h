// The thirty step windows, created once when the program starts, and the
// driver's "show step N" answered by showing step N's window modally.
//
// Which class serves which step is the program's table (app/program_windows.h).
// A step whose own window is not written yet gets the window of its registered
// model: the plain step window, or the calculation-window base for a calculation
// step (which refuses to go on when the step has no algorithm yet).
#pragma once

#include <QPointer>
#include <array>
#include <functional>

#include "shell/step_registry.h"
#include "shell/step_table.h"
#include "shell/windows/step_window.h"
#include "shell/wizard.h"

namespace korvella {

using Фабрика_окна_шага = std::function<Окно_шага*(Среда&, const Реестр_шагов&, QWidget*)>;
using Таблица_окон_шагов = std::array<Фабрика_окна_шага, kКоличество_шагов>;

// The window over the model the registry has for the step.
Окно_шага* Окно_по_модели(int номер, Среда& среда, const Реестр_шагов& реестр, QWidget* родитель);

template <int Номер>
Окно_шага* Окно_по_модели(Среда& среда, const Реестр_шагов& реестр, QWidget* родитель) {
  return Окно_по_модели(Номер, среда, реестр, родитель);
}

// A step window of its own: constructed from the environment and the parent.
template <class Окно>
Окно_шага* Создать_окно(Среда& среда, const Реестр_шагов&, QWidget* родитель) {
  return new Окно(среда, родитель);
}

// Every step on the window of its registered model (tests of the chain).
const Таблица_окон_шагов& Окна_шагов_по_моделям();

class Окна_шагов {
 public:
  // Creates every window at once, in the order the program has always created them.
  Окна_шагов(Среда& среда, const Реестр_шагов& реестр, QWidget* родитель,
             const Таблица_окон_шагов& таблица);
  ~Окна_шагов();
  Окна_шагов(const Окна_шагов&) = delete;
  Окна_шагов& operator=(const Окна_шагов&) = delete;

  Окно_шага& Окно(int номер) const;
  void Показать(int номер);
  Показ_шага Как_показ_шага() {
    return [this](int номер) { Показать(номер); };
  }

 private:
  std::array<QPointer<Окно_шага>, kКоличество_шагов> окна_;
};

}  // namespace korvella
