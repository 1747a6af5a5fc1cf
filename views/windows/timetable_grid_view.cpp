#include "views/windows/timetable_grid_view.h"
#include "shell/windows/exception_reporter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace korvella {
namespace {

QColor Цвет(std::uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// A timetable cell: background of its code, text at (left + 5, top + 2) unless
// hidden, the current cell's blue strip along the right edge.
void Нарисовать_ячейку(QPainter* p, const QRect& к, const QString& текст, const Рисунок_ячейки& р) {
  p->save();
  p->fillRect(к, Цвет(р.фон));
  if (р.текст_виден) {
    p->setPen(Цвет(р.цвет_текста));
    p->drawText(к.adjusted(kОтступ_текста_слева, kОтступ_текста_сверху, 0, 0),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, текст);
  }
  if (р.полоса) {
    const int ш = std::min(kШирина_полосы_текущей_ячейки, к.width());
    p->fillRect(QRect(к.right() - ш + 1, к.top(), ш, к.height()),
                Цвет(kЦвет_полосы_текущей_ячейки));
  }
  p->restore();
}

// A fixed cell, as the toolkit draws a grid's fixed part.
void Нарисовать_фиксированную(QPainter* p, const QRect& к, const QString& текст,
                              const QPalette& палитра) {
  p->save();
  // Fixed cells take no clicks but must not look disabled.
  p->fillRect(к, палитра.color(QPalette::Active, QPalette::Button));
  p->setPen(палитра.color(QPalette::Active, QPalette::ButtonText));
  p->drawText(к.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, текст);
  p->restore();
}

class Рисовальщик_ячеек : public QStyledItemDelegate {
 public:
  explicit Рисовальщик_ячеек(Таблица_расписания* таблица)
      : QStyledItemDelegate(таблица), таблица_(таблица) {}

  void paint(QPainter* p, const QStyleOptionViewItem& вариант,
             const QModelIndex& индекс) const override {
    const QString текст = индекс.data().toString();
    const int столбец = индекс.column();
    const int строка = индекс.row() + 1;
    if (столбец < таблица_->Таблица().Фиксированных_столбцов()) {
      Нарисовать_фиксированную(p, вариант.rect, текст, вариант.palette);
      return;
    }
    const bool текущая = таблица_->Таблица().Текущий_столбец() == столбец &&
                         таблица_->Таблица().Текущая_строка() == строка;
    Нарисовать_ячейку(p, вариант.rect, текст,
                      таблица_->Рисунок_ячейки_таблицы()(столбец, строка, текущая));
  }

 private:
  Таблица_расписания* таблица_;
};

}  // namespace

int Модель_строковой_таблицы::rowCount(const QModelIndex& родитель) const {
  return родитель.isValid() ? 0 : std::max(0, таблица_.Строк() - 1);
}

int Модель_строковой_таблицы::columnCount(const QModelIndex& родитель) const {
  return родитель.isValid() ? 0 : таблица_.Столбцов();
}

QVariant Модель_строковой_таблицы::data(const QModelIndex& индекс, int роль) const {
  if (!индекс.isValid() || (роль != Qt::DisplayRole && роль != Qt::ToolTipRole)) return {};
  const std::string& текст = таблица_.Ячейка(индекс.column(), индекс.row() + 1);
  if (роль == Qt::ToolTipRole && текст.empty()) return {};
  return QString::fromStdString(текст);
}

QVariant Модель_строковой_таблицы::headerData(int секция, Qt::Orientation ориентация,
                                              int роль) const {
  if (роль != Qt::DisplayRole) return {};
  if (ориентация == Qt::Horizontal) return QString::fromStdString(таблица_.Ячейка(секция, 0));
  return секция + 1;
}

Qt::ItemFlags Модель_строковой_таблицы::flags(const QModelIndex& индекс) const {
  // The fixed columns are never the current cell, as in the toolkit's grids.
  if (!индекс.isValid() || индекс.column() < таблица_.Фиксированных_столбцов())
    return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

Таблица_расписания::Таблица_расписания(Строковая_таблица& таблица, Рисунок рисунок,
                                       QWidget* родитель)
    : QTableView(родитель),
      таблица_(таблица),
      рисунок_(std::move(рисунок)),
      модель_(new Модель_строковой_таблицы(таблица, this)) {
  setModel(модель_);
  setItemDelegate(new Рисовальщик_ячеек(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setWordWrap(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(22);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          Обработчик([this](const QModelIndex& текущий) {
            if (текущий.isValid()) таблица_.Сделать_текущей(текущий.column(), текущий.row() + 1);
            viewport()->update();
          }));
}

void Таблица_расписания::Перестроить(const std::function<void()>& перестройка) {
  модель_->Начать_сброс();
  перестройка();
  модель_->Закончить_сброс();
  Обновить_из_таблицы();
}

void Таблица_расписания::Обновить_из_таблицы(bool показать_текущую) {
  const int по_вертикали = verticalScrollBar()->value();
  const int по_горизонтали = horizontalScrollBar()->value();
  модель_->Начать_сброс();
  модель_->Закончить_сброс();
  Применить_ширины();
  const QModelIndex текущий =
      модель_->index(таблица_.Текущая_строка() - 1, таблица_.Текущий_столбец());
  if (текущий.isValid() && (модель_->flags(текущий) & Qt::ItemIsEnabled)) {
    selectionModel()->setCurrentIndex(текущий, QItemSelectionModel::ClearAndSelect);
  }
  if (показать_текущую && текущий.isValid()) {
    scrollTo(текущий);
  } else {
    verticalScrollBar()->setValue(по_вертикали);
    horizontalScrollBar()->setValue(по_горизонтали);
  }
  viewport()->update();
}

void Таблица_расписания::Задать_ширины(int нулевой, int первый, int по_умолчанию) {
  ширина_0_ = нулевой;
  ширина_1_ = первый;
  ширина_дня_ = по_умолчанию;
  Применить_ширины();
}

void Таблица_расписания::Применить_ширины() {
  if (ширина_дня_ > 0) horizontalHeader()->setDefaultSectionSize(ширина_дня_);
  for (int c = 0; c < модель_->columnCount(); ++c) {
    const int ш = c == 0 ? ширина_0_ : c == 1 ? ширина_1_ : ширина_дня_;
    if (ш > 0) setColumnWidth(c, ш);
  }
}

void Таблица_расписания::mousePressEvent(QMouseEvent* событие) {
  Обработать_событие([&] {
    const QModelIndex индекс = indexAt(событие->position().toPoint());
    if (при_нажатии_мыши) {
      if (индекс.isValid())
        при_нажатии_мыши(индекс.column(), индекс.row() + 1);
      else
        при_нажатии_мыши(-1, -1);
    }
    QTableView::mousePressEvent(событие);
  });
}

void Таблица_расписания::mouseDoubleClickEvent(QMouseEvent* событие) {
  Обработать_событие([&] {
    QTableView::mouseDoubleClickEvent(событие);
    if (при_подробностях) при_подробностях();
  });
}

void Таблица_расписания::keyPressEvent(QKeyEvent* событие) {
  Обработать_событие([&] {
    if ((событие->key() == Qt::Key_Return || событие->key() == Qt::Key_Enter) && при_подробностях) {
      при_подробностях();
      return;
    }
    QTableView::keyPressEvent(событие);
  });
}

}  // namespace korvella
