// Step 27's window: the load rows with their teachers.
#pragma once

#include "shell/windows/step_window.h"
#include "timetable/distribution_step.h"

class QPushButton;

namespace korvella {

class Сетка_шага;
class TФорма_преподаватели_без_разделений_для_назначения;

class TФорма_распределение_пед_нагрузки : public Окно_шага {
 public:
  TФорма_распределение_пед_нагрузки(Среда& среда, QWidget* родитель = nullptr);

  Сетка_шага* Таблица() const { return таблица_; }
  QPushButton* Кнопка_очистить() const { return кнопка_очистить_; }
  TФорма_преподаватели_без_разделений_для_назначения* Список_преподавателей() const {
    return список_;
  }

  // Double click or Enter on a cell (model numbering): the teacher pick list.
  void Открыть_ячейку(int строка, int столбец);
  void Нажать_очистить();

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_распределения_нагрузки& модель() const {
    return Модель_как<Модель_распределения_нагрузки>();
  }

  Сетка_шага* таблица_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
  TФорма_преподаватели_без_разделений_для_назначения* список_ = nullptr;
};

}  // namespace korvella
