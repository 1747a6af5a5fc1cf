// Step 6's window: the number of special rooms and their names and subjects.
#pragma once

#include "auxiliary/special_rooms_step.h"
#include "shell/windows/step_window.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace korvella {

class TФорма_список_спецпомещений : public Окно_шага {
 public:
  TФорма_список_спецпомещений(Среда& среда, QWidget* родитель = nullptr);

  QLineEdit* Область_ввода_количества_спецпомещений() const { return поле_; }
  QTableWidget* Таблица_списка_спецпомещений() const { return таблица_; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Передать_в_модель() override;
  void Разрешить_ввод(bool можно) override;
  void Показать_отказ(const Отказ& отказ) override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_список_спецпомещений& модель() const { return Модель_как<Модель_список_спецпомещений>(); }
  void Показать_таблицу();

  QLabel* надпись_ = nullptr;
  QLineEdit* поле_ = nullptr;
  QTableWidget* таблица_ = nullptr;
  bool загрузка_ = false;
};

}  // namespace korvella
