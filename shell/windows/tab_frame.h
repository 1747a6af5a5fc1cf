// The frames on the main window's six tabs. The main window knows them only
// through these interfaces; the frames themselves live with their views and
// are created by Создать_фреймы_вкладок (app/program_windows.h).
#pragma once

#include <QWidget>

namespace korvella {

class Фрейм_вкладки : public QWidget {
 public:
  using QWidget::QWidget;

  // Rebuilds what the frame shows from the main record (the tab became active).
  virtual void Обновить() = 0;
  // The main window's width changed: recompute the default column widths.
  virtual void Разметить_столбцы(int ширина_окна) { (void)ширина_окна; }
  // What gets the focus when the main window is activated (the grid).
  virtual QWidget* Элемент_фокуса() { return this; }
};

// The class-timetable tab: cleared, then filled layer by layer, each layer only
// when the task has come that far (the main window decides which).
class Фрейм_вкладки_классов : public Фрейм_вкладки {
 public:
  using Фрейм_вкладки::Фрейм_вкладки;

  virtual void Очистка_вкладки_расписание_классов() = 0;
  virtual void Заполнение_разметки() = 0;
  virtual void Заполнение_названий_классов() = 0;
  virtual void Заполнение_санитарного_слоя() = 0;
  virtual void Заполнение_слоя_спецпомещений() = 0;
  virtual void Заполнение_слоя_совместителей() = 0;
  virtual void Заполнение_слоя_потоков() = 0;
  virtual void Заполнение_слоя_разделений() = 0;
  virtual void Заполнение_основного_слоя() = 0;
};

}  // namespace korvella
