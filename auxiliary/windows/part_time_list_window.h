// Step 9's window: the number of part-time teachers, their names, subjects and loads.
#pragma once

#include "auxiliary/part_time_list_step.h"
#include "shell/windows/step_window.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace korvella {

class TФорма_список_совместителей : public Окно_шага {
 public:
  TФорма_список_совместителей(Среда& среда, QWidget* родитель = nullptr);

  QLineEdit* Поле_ввода_количества_совместителей() const { return поле_; }
  QTableWidget* Таблица_списка_совместителей() const { return таблица_; }
  QPushButton* Кнопка_очистить() const { return кнопка_очистить_; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Передать_в_модель() override;
  void Разрешить_ввод(bool можно) override;
  void Показать_отказ(const Отказ& отказ) override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_список_совместителей& модель() const { return Модель_как<Модель_список_совместителей>(); }
  void Показать_таблицу();

  QLabel* надпись_ = nullptr;
  QLineEdit* поле_ = nullptr;
  QTableWidget* таблица_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
  bool загрузка_ = false;
};

}  // namespace korvella
