// Step 8, "Расчет рписания для специальных помещений": the joint calculation of
// the special-room timetable and the sanitary prohibitions, with its texts. The
// window shows the texts and runs Рассчитать() on the thread pool.
#pragma once

#include <string>

#include "auxiliary/room_timetable.h"
#include "shell/step_model.h"

namespace korvella {

class Модель_расписания_спецпомещений : public Модель_расчётного_шага {
 public:
  static constexpr int kНомер = 8;
  static constexpr const char* kТекст_приглашения =
      "Все исходные данные для расчета расписания со специальными помещениями сформированы.";
  // Its "cc" are Latin letters.
  static constexpr const char* kВторой_текст_приглашения =
      "Все готово для формирования санитарных ограничений классов. Раccчитать?";
  static constexpr const char* kТекст_неудачи =
      "Одновременное решение задачи для специальных помещений и санитарных ограничений не "
      "удалось получить.";
  static constexpr const char* kВторой_текст_неудачи =
      "Дальнейшее составление расписания может быть продолжено без этих помещений и санитарных "
      "ограничений.";

  explicit Модель_расписания_спецпомещений(Среда& среда) : Модель_расчётного_шага(среда, kНомер) {}

  // The two labels as the activation or the outcome leaves them.
  const std::string& Надпись_на_форме() const { return надпись_; }
  const std::string& Вторая_надпись_на_форме() const { return вторая_надпись_; }
  // Counters of the last calculation.
  const Ход_перестановок& Ход() const { return ход_; }

  std::string Сводка_расчёта() const override;

 protected:
  void Показать_данные() override;
  Итог Выполнить_расчёт() override;

 private:
  std::string надпись_;
  std::string вторая_надпись_;
  Ход_перестановок ход_;
};

}  // namespace korvella
