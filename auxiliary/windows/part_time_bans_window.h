// Step 11's window: the part-time teachers who may not teach a first lesson.
#pragma once

#include "auxiliary/part_time_days_bans_step.h"
#include "shell/windows/step_window.h"

class QLabel;
class QTableWidget;

namespace korvella {

class TФорма_запреты_первого_урока_совместителей : public Окно_шага {
 public:
  TФорма_запреты_первого_урока_совместителей(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Таблица() const { return таблица_; }
  QLabel* Надпись() const { return надпись_; }
  // Double click or Enter on a cell (row and column of the view).
  void Выбрать_запрет(int строка_вида, int столбец);

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;

 private:
  Модель_запретов_первого_урока_совместителей& модель() const {
    return Модель_как<Модель_запретов_первого_урока_совместителей>();
  }

  QLabel* надпись_ = nullptr;
  QTableWidget* таблица_ = nullptr;
};

}  // namespace korvella
