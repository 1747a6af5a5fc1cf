#include "auxiliary/windows/part_time_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {
namespace {

class Enter_в_таблице : public QObject {
 public:
  Enter_в_таблице(QTableWidget* таблица, std::function<void(int, int)> действие)
      : QObject(таблица), таблица_(таблица), действие_(std::move(действие)) {
    таблица_->installEventFilter(this);
  }
  bool eventFilter(QObject* объект, QEvent* событие) override {
    bool взято = false;
    Обработать_событие([&] {
      if (объект != таблица_ || событие->type() != QEvent::KeyPress) return;
      const int клавиша = static_cast<QKeyEvent*>(событие)->key();
      if ((клавиша == Qt::Key_Return || клавиша == Qt::Key_Enter) && таблица_->currentRow() >= 0) {
        действие_(таблица_->currentRow(), таблица_->currentColumn());
        взято = true;
      }
    });
    return взято || QObject::eventFilter(объект, событие);
  }

 private:
  QTableWidget* таблица_;
  std::function<void(int, int)> действие_;
};

}  // namespace

Ячейки_совместителей::Ячейки_совместителей(QTableWidget* таблица, Цвет_ячейки цвет)
    : QStyledItemDelegate(таблица), таблица_(таблица), цвет_(std::move(цвет)) {}

void Ячейки_совместителей::paint(QPainter* кисть, const QStyleOptionViewItem& вид,
                                 const QModelIndex& ячейка) const {
  Обработать_событие([&] { Нарисовать(кисть, вид, ячейка); });
}

void Ячейки_совместителей::Нарисовать(QPainter* кисть, const QStyleOptionViewItem& вид,
                                      const QModelIndex& ячейка) const {
  кисть->save();
  const std::uint32_t цвет = цвет_(ячейка.row(), ячейка.column());
  кисть->fillRect(вид.rect, цвет != 0 ? Цвет_RGB(цвет) : вид.palette.button().color());
  кисть->setPen(вид.palette.color(QPalette::Text));
  кисть->setFont(вид.font);
  кисть->drawText(вид.rect.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                  ячейка.data(Qt::DisplayRole).toString());
  if (ячейка.row() == таблица_->currentRow() && ячейка.column() == таблица_->currentColumn()) {
    QRect метка = вид.rect;
    метка.setLeft(метка.right() - kШирина_метки + 1);
    кисть->fillRect(метка, QColor(0, 0, 255));
  }
  кисть->setPen(вид.palette.color(QPalette::Mid));
  кисть->drawLine(вид.rect.topRight(), вид.rect.bottomRight());
  кисть->drawLine(вид.rect.bottomLeft(), вид.rect.bottomRight());
  кисть->restore();
}

void При_выборе_ячейки(QTableWidget* таблица, std::function<void(int, int)> действие) {
  QObject::connect(таблица, &QTableWidget::cellDoubleClicked, таблица, Обработчик(действие));
  new Enter_в_таблице(таблица, std::move(действие));
}

void Подогнать_столбцы_к_заголовкам(QTableWidget* таблица) {
  QHeaderView* заголовок = таблица->horizontalHeader();
  const QFontMetrics метрики(заголовок->font());
  for (int с = 0; с < таблица->columnCount(); ++с) {
    const QTableWidgetItem* ячейка = таблица->horizontalHeaderItem(с);
    if (ячейка == nullptr || заголовок->sectionResizeMode(с) != QHeaderView::Fixed) continue;
    const int нужно = метрики.horizontalAdvance(ячейка->text()) + 14;
    if (таблица->columnWidth(с) < нужно) таблица->setColumnWidth(с, нужно);
  }
}

int Ширина_таблицы(const QTableWidget* таблица) {
  int ширина = 2 * таблица->frameWidth() + таблица->verticalScrollBar()->sizeHint().width();
  for (int с = 0; с < таблица->columnCount(); ++с) ширина += таблица->columnWidth(с);
  return ширина;
}

int Ширина_с_заголовком(const QWidget* окно, int ширина) {
  QFont жирный = окно->font();
  жирный.setBold(true);
  return std::max(ширина, QFontMetrics(жирный).horizontalAdvance(окно->windowTitle()) + 200);
}

void Настроить_таблицу_совместителей(QTableWidget* таблица, Ячейки_совместителей::Цвет_ячейки цвет,
                                     int фиксированных_строк, int фиксированных_столбцов) {
  таблица->verticalHeader()->hide();
  таблица->verticalHeader()->setDefaultSectionSize(22);
  таблица->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица->horizontalHeader()->setHighlightSections(false);
  таблица->setEditTriggers(QAbstractItemView::NoEditTriggers);
  таблица->setSelectionMode(QAbstractItemView::NoSelection);
  таблица->setItemDelegate(new Ячейки_совместителей(таблица, std::move(цвет)));
  // Fixed cells are never current; the mark follows the current cell.
  QObject::connect(таблица, &QTableWidget::currentCellChanged, таблица,
                   Обработчик([=](int строка, int столбец, int, int) {
                     if (строка >= 0 && столбец >= 0 &&
                         (строка < фиксированных_строк || столбец < фиксированных_столбцов) &&
                         таблица->rowCount() > фиксированных_строк &&
                         таблица->columnCount() > фиксированных_столбцов) {
                       таблица->setCurrentCell(std::max(строка, фиксированных_строк),
                                               std::max(столбец, фиксированных_столбцов));
                       return;
                     }
                     таблица->viewport()->update();
                   }));
}

}  // namespace korvella
