// Step 13: the calculation of the part-time teachers' timetable.
#pragma once

#include <string>

#include "shell/step_model.h"

namespace korvella {

class Модель_расчета_расписания_совместителей : public Модель_расчётного_шага {
 public:
  static constexpr int kНомер = 13;

  explicit Модель_расчета_расписания_совместителей(Среда& среда)
      : Модель_расчётного_шага(среда, kНомер) {}

  static std::string Текст_приглашения();
  static std::string Текст_неудачи();
  static std::string Второй_текст_неудачи();

  // The two labels as the last calculation left them.
  const std::string& Надпись() const { return надпись_; }
  const std::string& Вторая_надпись() const { return вторая_надпись_; }
  // Colouring tries (shuffles) the last calculation used.
  int Попыток() const { return попыток_; }

  std::string Сводка_расчёта() const override;

 protected:
  void Показать_данные() override;
  Итог Выполнить_расчёт() override;

 private:
  std::string надпись_;
  std::string вторая_надпись_;
  int попыток_ = 0;
};

}  // namespace korvella
