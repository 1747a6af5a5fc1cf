// The owner-drawn grid of steps 26 and 27: texts and colours come from the step
// model cell by cell; the grid forwards presses, double clicks and Enter.
#pragma once

#include <QTableWidget>
#include <functional>

#include "timetable/competence_grid.h"

class QPainter;

namespace korvella {

// Paints one cell as the model describes it, the text 5 pixels from the left
// and 2 from the top.
void Нарисовать_ячейку(QPainter* кисть, const QRect& место, const Вид_ячейки_сетки& вид,
                       const QPalette& палитра);

class Сетка_шага : public QTableWidget {
 public:
  // Cells in the model's numbering: row 0 is the header row.
  using Источник = std::function<Вид_ячейки_сетки(int строка, int столбец)>;
  using Действие = std::function<void(int строка, int столбец)>;

  Сетка_шага(Источник источник, QWidget* родитель);

  // Rows 1..строк−1 of the model become the view's rows, row 0 its header.
  void Разложить(int строк, int столбцов, const std::function<int(int)>& ширина);
  // Reads the texts again after the model changed cells.
  void Обновить();

  // The cell under a press or reached by the keys (model numbering).
  Действие при_выборе;
  // A double click or Enter on a cell (model numbering).
  Действие при_открытии;

  static int Строка_модели(int строка_вида) { return строка_вида + 1; }
  static int Строка_вида(int строка_модели) { return строка_модели - 1; }

 protected:
  void keyPressEvent(QKeyEvent* событие) override;

 private:
  Источник источник_;
};

}  // namespace korvella
