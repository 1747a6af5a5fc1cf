// Step 3's window: the grid of classes and their year groups.
#pragma once

#include "entry/class_list_step.h"
#include "shell/windows/step_window.h"

class QTableWidget;

namespace korvella {

class TФорма_список_классов : public Окно_шага {
 public:
  TФорма_список_классов(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Таблица_список_классов_с_параллелями() const { return таблица_; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Передать_в_модель() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Показать_отказ(const Отказ& отказ) override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_список_классов& модель() const { return Модель_как<Модель_список_классов>(); }
  QTableWidget* таблица_ = nullptr;
  bool загрузка_ = false;
};

}  // namespace korvella
