#include "auxiliary/windows/stream_grid.h"

#include <QHeaderView>

namespace korvella {

QTableWidget* Сетка_потоков(QWidget* родитель, const char* имя, std::span<const int> ширины) {
  auto* таблица = new QTableWidget(родитель);
  таблица->setObjectName(имя);
  таблица->setColumnCount(static_cast<int>(ширины.size()));
  таблица->verticalHeader()->hide();
  таблица->verticalHeader()->setDefaultSectionSize(22);
  таблица->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица->horizontalHeader()->setHighlightSections(false);
  int ширина = 0;
  for (int с = 0; с < static_cast<int>(ширины.size()); ++с) {
    таблица->setColumnWidth(с, ширины[с]);
    ширина += ширины[с];
  }
  таблица->setMinimumWidth(ширина + 24);  // the frame and a vertical scroll bar
  return таблица;
}

}  // namespace korvella
