// Step 26's window: the staff teachers with up to four subjects each.
#pragma once

#include "shell/windows/step_window.h"
#include "timetable/competence_step.h"

class QPushButton;

namespace korvella {

class Сетка_шага;
class TФорма_список_предметов_для_выбора;

class TФорма_таблица_компетентности : public Окно_шага {
 public:
  TФорма_таблица_компетентности(Среда& среда, QWidget* родитель = nullptr);

  Сетка_шага* Таблица() const { return таблица_; }
  QPushButton* Кнопка_очистить() const { return кнопка_очистить_; }
  QPushButton* Кнопка_пропустить() const { return кнопка_пропустить_; }
  TФорма_список_предметов_для_выбора* Список_предметов() const { return список_; }

  // Double click or Enter on a cell (model numbering): the subject pick list.
  void Открыть_ячейку(int строка, int столбец);
  void Нажать_очистить();
  void Нажать_пропустить();

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_таблицы_компетентности& модель() const {
    return Модель_как<Модель_таблицы_компетентности>();
  }

  Сетка_шага* таблица_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
  QPushButton* кнопка_пропустить_ = nullptr;
  TФорма_список_предметов_для_выбора* список_ = nullptr;
};

}  // namespace korvella
