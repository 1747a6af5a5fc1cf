// Step 28's window: the staff teachers with their first-lesson bans.
#pragma once

#include "shell/windows/step_window.h"
#include "timetable/first_lesson_bans_step.h"

class QLabel;
class QTableWidget;

namespace korvella {

class TФорма_запреты_на_первый_урок : public Окно_шага {
 public:
  TФорма_запреты_на_первый_урок(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Таблица() const { return таблица_; }
  QLabel* Надпись() const { return надпись_; }
  // Double click or Enter on a row's ban cell (0-based row of the view).
  void Переключить(int строка_вида);

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;

 private:
  Модель_запретов_на_первый_урок& модель() const {
    return Модель_как<Модель_запретов_на_первый_урок>();
  }
  void Раскрасить_строку(int строка_вида);

  QLabel* надпись_ = nullptr;
  QTableWidget* таблица_ = nullptr;
};

}  // namespace korvella
