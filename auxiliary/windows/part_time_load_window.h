// Step 12's window: the lessons of every part-time teacher in every class, one
// cell per class and part-timer, typed through the load dialog.
#pragma once

#include "auxiliary/part_time_load_step.h"
#include "shell/windows/step_window.h"

class QTableWidget;

namespace korvella {

class TФорма_ввода_нагрузки_совместителей;

class TФорма_ТРПН_совместителей : public Окно_шага {
 public:
  TФорма_ТРПН_совместителей(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Таблица_распределения_ПН_для_совместителей() const { return таблица_; }
  QPushButton* Кнопка_очистить() const { return кнопка_очистить_; }
  TФорма_ввода_нагрузки_совместителей* Диалог_ввода() const { return диалог_; }
  // Double click or Enter on a cell (row and column of the view): the dialog
  // asks for the cell's lessons.
  void Ввести_в_ячейку(int строка_вида, int столбец);

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_ТРПН_совместителей& модель() const { return Модель_как<Модель_ТРПН_совместителей>(); }
  void Обновить_ячейки();

  Среда& среда_;
  QTableWidget* таблица_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
  TФорма_ввода_нагрузки_совместителей* диалог_ = nullptr;
};

}  // namespace korvella
