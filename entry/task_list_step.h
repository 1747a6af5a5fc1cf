// Step 0: which optional timetables the task builds.
#pragma once

#include <array>

#include "shell/step_model.h"

namespace korvella {

class Модель_список_решаемых_задач : public Модель_шага {
 public:
  // The four optional tasks, in the order of their check boxes.
  enum class Задача { Спецпомещения, Совместители, Потоки, Разделения };
  static constexpr int kНеобязательных_задач = 4;

  struct Переключатель {
    const char* имя;  // object name of the check box
    const char* надпись;
    bool обязательный;  // always ticked and disabled
  };
  // The seven check boxes, top to bottom.
  static const std::array<Переключатель, 7>& Переключатели();
  // The optional task behind check box i (0..6), or nullptr for a fixed box.
  static const Задача* Задача_переключателя(int i);

  explicit Модель_список_решаемых_задач(Среда& среда) : Модель_шага(среда, 0) {}

  bool Отмечена(Задача задача) const { return отметки_[static_cast<int>(задача)]; }
  // A click on an optional box: its flag is written into the record at once.
  // False (nothing changes) while the inputs are read-only.
  bool Отметить(Задача задача, bool отмечена);

 protected:
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;

 private:
  Логическое& Флаг(Задача задача) const;
  std::array<bool, kНеобязательных_задач> отметки_{};
};

}  // namespace korvella
