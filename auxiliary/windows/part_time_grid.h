// What the part-timer grids of steps 9–12 share: cells painted in the model's
// colours with a blue mark on the current cell, and one action for a double
// click or Enter on a cell.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <cstdint>
#include <functional>

namespace korvella {

class Ячейки_совместителей : public QStyledItemDelegate {
 public:
  // Fill colour of a cell by the view's row and column; 0 paints it as a fixed cell.
  using Цвет_ячейки = std::function<std::uint32_t(int строка, int столбец)>;
  static constexpr int kШирина_метки = 18;

  Ячейки_совместителей(QTableWidget* таблица, Цвет_ячейки цвет);
  void paint(QPainter* кисть, const QStyleOptionViewItem& вид,
             const QModelIndex& ячейка) const override;

 private:
  void Нарисовать(QPainter* кисть, const QStyleOptionViewItem& вид,
                  const QModelIndex& ячейка) const;

  QTableWidget* таблица_;
  Цвет_ячейки цвет_;
};

// A double click or Enter on a cell calls `действие` with the view's row and column.
void При_выборе_ячейки(QTableWidget* таблица,
                       std::function<void(int строка, int столбец)> действие);

// Widens every fixed-width column whose heading does not fit in the grid's font
// (the widths of the original layout were chosen for a narrower font).
void Подогнать_столбцы_к_заголовкам(QTableWidget* таблица);

// The sum of the column widths, with the frame and a vertical scroll bar.
int Ширина_таблицы(const QTableWidget* таблица);

// A window width at least `ширина` that shows the whole caption (window
// managers draw captions bold, beside the window's buttons).
int Ширина_с_заголовком(const QWidget* окно, int ширина);

// The grid settings the three steps share: no editing, no selection, fixed
// header sections, the owner-drawn cells, and the fixed rows and columns (of
// the view) that the current cell never enters.
void Настроить_таблицу_совместителей(QTableWidget* таблица, Ячейки_совместителей::Цвет_ячейки цвет,
                                     int фиксированных_строк, int фиксированных_столбцов);

}  // namespace korvella
