// Фрейм_вкладки_расписание_преподавателей: the teacher grid under its tool bar
// (the special-room teachers' two actions, the export notice and the
// autogeneration notice). Rebuilt from the record every time the tab is shown.
#pragma once

#include <memory>

#include "shell/environment.h"
#include "shell/windows/tab_frame.h"
#include "views/teacher_grid.h"

class QAction;
class QToolBar;
class QToolButton;

namespace korvella {

class Таблица_расписания;

class Фрейм_вкладки_расписание_преподавателей : public Фрейм_вкладки {
 public:
  Фрейм_вкладки_расписание_преподавателей(
      Среда& среда, QWidget* родитель,
      Матрица_раскраски& раскраска = Матрица_раскраски_преподавателей);
  ~Фрейм_вкладки_расписание_преподавателей() override;

  // Построение_вкладки_расписание_преподавателей.
  void Обновить() override;
  void Разметить_столбцы(int ширина_окна) override;
  QWidget* Элемент_фокуса() override;

  Вкладка_расписание_преподавателей& Вкладка() { return *вкладка_; }
  Таблица_расписания* Таблица_расписания_преподавателей() const { return таблица_; }
  QAction* Действие_преподаватели_спецпомещений() const { return действие_спецпреподаватели_; }
  QAction* Действие_продолжить_распределение() const { return действие_продолжить_; }
  QAction* Действие_вывод_в_файл_эксель() const { return действие_вывод_; }
  QAction* Кнопка_панель_панели_управления() const { return уведомление_; }

 private:
  void Показать_сетку();

  Среда& среда_;
  std::unique_ptr<Вкладка_расписание_преподавателей> вкладка_;
  QToolBar* панель_;
  QAction* действие_спецпреподаватели_;
  QAction* действие_продолжить_;
  QAction* действие_вывод_;
  QAction* уведомление_;
  Таблица_расписания* таблица_;
  int ширина_окна_ = -1;
};

}  // namespace korvella
