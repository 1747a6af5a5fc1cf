// Step 4's window: the weekly load of every year group.
#pragma once

#include "auxiliary/year_group_load_step.h"
#include "shell/windows/step_window.h"

class QLabel;
class QTableWidget;

namespace korvella {

class TФорма_учебная_нагрузка_параллелей : public Окно_шага {
 public:
  TФорма_учебная_нагрузка_параллелей(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Таблица_учебной_нагрузки_параллелей() const { return таблица_; }
  QLabel* Надпись_текущая_нагрузка_школы() const { return надпись_нагрузки_; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  QWidget* Начальный_фокус() override;
  void Показать_отказ(const Отказ& отказ) override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_учебная_нагрузка_параллелей& модель() const {
    return Модель_как<Модель_учебная_нагрузка_параллелей>();
  }
  void Показать_ячейки();

  QLabel* надпись_пределов_ = nullptr;
  QTableWidget* таблица_ = nullptr;
  QLabel* надпись_нагрузки_ = nullptr;
};

}  // namespace korvella
