// The grid of the stream steps 15 and 16: one row a stream, fixed columns.
#pragma once

#include <QTableWidget>
#include <span>

namespace korvella {

// A grid named `имя` with the given column widths, row height 22 and no row
// headers; its minimum width shows every column.
QTableWidget* Сетка_потоков(QWidget* родитель, const char* имя, std::span<const int> ширины);

}  // namespace korvella
