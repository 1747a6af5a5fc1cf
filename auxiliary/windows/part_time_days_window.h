// Step 10's window: the working days of the part-time teachers, one coloured
// cell per day, toggled by a double click or Enter.
#pragma once

#include "auxiliary/part_time_days_bans_step.h"
#include "shell/windows/step_window.h"

class QTableWidget;

namespace korvella {

class TФорма_таблица_рабочих_дней_совместителей : public Окно_шага {
 public:
  TФорма_таблица_рабочих_дней_совместителей(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Цветная_таблица_нерабочих_дней() const { return таблица_; }
  QPushButton* Кнопка_очистить_рабочие_дни() const { return кнопка_очистить_; }
  // Double click or Enter on a cell (row and column of the view).
  void Выбрать_день(int строка_вида, int столбец);

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_рабочих_дней_совместителей& модель() const {
    return Модель_как<Модель_рабочих_дней_совместителей>();
  }

  QTableWidget* таблица_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
};

}  // namespace korvella
