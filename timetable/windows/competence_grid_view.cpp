#include "timetable/windows/competence_grid_view.h"
#include "shell/windows/exception_reporter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace korvella {
namespace {

QColor Цвет(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

class Рисовальщик_сетки : public QStyledItemDelegate {
 public:
  Рисовальщик_сетки(Сетка_шага::Источник источник, QObject* родитель)
      : QStyledItemDelegate(родитель), источник_(std::move(источник)) {}
  void paint(QPainter* кисть, const QStyleOptionViewItem& вид,
             const QModelIndex& ячейка) const override {
    Нарисовать_ячейку(кисть, вид.rect,
                      источник_(Сетка_шага::Строка_модели(ячейка.row()), ячейка.column()),
                      вид.palette);
  }

 private:
  Сетка_шага::Источник источник_;
};

}  // namespace

void Нарисовать_ячейку(QPainter* кисть, const QRect& место, const Вид_ячейки_сетки& вид,
                       const QPalette& палитра) {
  кисть->save();
  кисть->fillRect(место, вид.фиксированная ? палитра.button() : QBrush(Цвет(вид.фон)));
  кисть->setPen(вид.белый_текст ? QColor(Qt::white) : палитра.color(QPalette::Text));
  const QRect текст = место.adjusted(5, 2, -2, 0);
  кисть->drawText(текст, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                  QString::fromStdString(вид.текст));
  кисть->restore();
}

Сетка_шага::Сетка_шага(Источник источник, QWidget* родитель)
    : QTableWidget(родитель), источник_(std::move(источник)) {
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setItemDelegate(new Рисовальщик_сетки(источник_, this));
  connect(this, &QTableWidget::currentCellChanged, this,
          Обработчик([this](int строка, int столбец, int, int) {
            if (строка >= 0 && столбец >= 0 && при_выборе)
              при_выборе(Строка_модели(строка), столбец);
            viewport()->update();
          }));
  connect(this, &QTableWidget::cellPressed, this, Обработчик([this](int строка, int столбец) {
            if (при_выборе) при_выборе(Строка_модели(строка), столбец);
            viewport()->update();
          }));
  connect(this, &QTableWidget::cellDoubleClicked, this, Обработчик([this](int строка, int столбец) {
            if (при_открытии) при_открытии(Строка_модели(строка), столбец);
          }));
}

void Сетка_шага::Разложить(int строк, int столбцов, const std::function<int(int)>& ширина) {
  clear();
  setColumnCount(столбцов);
  setRowCount(std::max(строк - 1, 0));
  QStringList заголовки;
  for (int с = 0; с < столбцов; ++с) {
    заголовки << QString::fromStdString(источник_(0, с).текст);
    setColumnWidth(с, ширина(с));
  }
  setHorizontalHeaderLabels(заголовки);
  for (int r = 0; r < rowCount(); ++r)
    for (int с = 0; с < столбцов; ++с) setItem(r, с, new QTableWidgetItem);
  Обновить();
}

void Сетка_шага::Обновить() {
  for (int r = 0; r < rowCount(); ++r)
    for (int с = 0; с < columnCount(); ++с)
      item(r, с)->setText(QString::fromStdString(источник_(Строка_модели(r), с).текст));
  viewport()->update();
}

void Сетка_шага::keyPressEvent(QKeyEvent* событие) {
  Обработать_событие([&] {
    // Enter opens the cell instead of pressing the window's default button.
    if (событие->key() == Qt::Key_Return || событие->key() == Qt::Key_Enter) {
      if (currentRow() >= 0 && currentColumn() >= 0 && при_открытии)
        при_открытии(Строка_модели(currentRow()), currentColumn());
      событие->accept();
      return;
    }
    QTableWidget::keyPressEvent(событие);
  });
}

}  // namespace korvella
