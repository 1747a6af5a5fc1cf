// Фрейм_вкладки_расписание_классов: the tool bar ("Найти подстроку", "Вывод в
// файл Excel") over the class grid. The grid, its layers, the search and the
// export live in the tab's logic; this frame shows them and forwards the clicks.
#pragma once

#include <memory>

#include "shell/environment.h"
#include "shell/windows/tab_frame.h"
#include "views/class_tab.h"

class QAction;
class QToolBar;

namespace korvella {

class TФорма_найти_подстроку;
class Таблица_расписания;

class Фрейм_вкладки_расписание_классов : public Фрейм_вкладки_классов {
 public:
  Фрейм_вкладки_расписание_классов(Среда& среда, QWidget* родитель,
                                   Матрица_раскраски& раскраска = Матрица_раскраски_классов);
  ~Фрейм_вкладки_расписание_классов() override;

  void Обновить() override;
  void Разметить_столбцы(int ширина_окна) override;
  QWidget* Элемент_фокуса() override;

  void Очистка_вкладки_расписание_классов() override;
  void Заполнение_разметки() override;
  void Заполнение_названий_классов() override;
  void Заполнение_санитарного_слоя() override;
  void Заполнение_слоя_спецпомещений() override;
  void Заполнение_слоя_совместителей() override;
  void Заполнение_слоя_потоков() override;
  void Заполнение_слоя_разделений() override;
  void Заполнение_основного_слоя() override;

  Вкладка_расписание_классов& Вкладка() { return *вкладка_; }
  Таблица_расписания* Таблица_расписания_классов() const { return таблица_; }
  TФорма_найти_подстроку* Форма_найти_подстроку() const { return форма_поиска_; }
  QAction* Действие_найти_подстроку() const { return действие_найти_; }
  QAction* Действие_вывод_в_файл() const { return действие_вывод_; }

 private:
  // After any layer: the view shows the grid again.
  void Показать_сетку();
  void Найти_подстроку();

  Среда& среда_;
  std::unique_ptr<Вкладка_расписание_классов> вкладка_;
  QToolBar* панель_;
  QAction* действие_найти_;
  QAction* действие_вывод_;
  Таблица_расписания* таблица_;
  TФорма_найти_подстроку* форма_поиска_;
  int ширина_окна_ = -1;
};

}  // namespace korvella
