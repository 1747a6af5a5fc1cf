#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

#include <QKeyEvent>
#include <QPainter>

namespace korvella {

QColor Цвет_RGB(std::uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

char32_t Клавиша_модели(const QKeyEvent& событие) {
  switch (событие.key()) {
    case Qt::Key_Backspace:
      return U'\b';
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return U'\r';
    default:
      break;
  }
  const QString текст = событие.text();
  if (текст.isEmpty() || !текст.at(0).isPrint()) return 0;
  const auto символы = текст.toUcs4();
  return символы.isEmpty() ? 0 : static_cast<char32_t>(символы.front());
}

void Связать_поле(QLineEdit* поле, std::function<void(const std::string&)> ввести,
                  std::function<std::string()> текст) {
  QObject::connect(поле, &QLineEdit::textEdited, поле,
                   Обработчик([поле, ввести, текст](const QString& т) {
                     ввести(т.toStdString());
                     const QString в_модели = QString::fromStdString(текст());
                     if (в_модели != поле->text()) поле->setText(в_модели);
                   }));
}

Рисование_ячеек::Рисование_ячеек(QTableWidget* таблица, Цвет_ячейки цвет, int отступ_слева,
                                 int отступ_сверху)
    : QStyledItemDelegate(таблица),
      таблица_(таблица),
      цвет_(std::move(цвет)),
      отступ_слева_(отступ_слева),
      отступ_сверху_(отступ_сверху) {}

void Рисование_ячеек::paint(QPainter* кисть, const QStyleOptionViewItem& вид,
                            const QModelIndex& ячейка) const {
  Обработать_событие([&] {
    const bool текущая = ячейка == таблица_->currentIndex();
    const auto цвет = цвет_(ячейка.row(), ячейка.column(), текущая);
    кисть->save();
    if (цвет) {
      кисть->fillRect(вид.rect, Цвет_RGB(*цвет));
    } else {
      кисть->fillRect(вид.rect, вид.palette.button());
    }
    кисть->setPen(вид.palette.color(QPalette::Text));
    кисть->setFont(вид.font);
    const QRect место = вид.rect.adjusted(отступ_слева_, отступ_сверху_, 0, 0);
    кисть->drawText(место, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    ячейка.data(Qt::DisplayRole).toString());
    кисть->setPen(вид.palette.color(QPalette::Mid));
    кисть->drawLine(вид.rect.topRight(), вид.rect.bottomRight());
    кисть->drawLine(вид.rect.bottomLeft(), вид.rect.bottomRight());
    кисть->restore();
  });
}

Клавиши_таблицы::Клавиши_таблицы(QTableWidget* таблица, Нажать нажать)
    : QObject(таблица), таблица_(таблица), нажать_(std::move(нажать)) {
  таблица_->installEventFilter(this);
  QObject::connect(таблица_, &QTableWidget::currentCellChanged, this,
                   Обработчик([this](int, int, int, int) { правка_начата_ = false; }));
}

bool Клавиши_таблицы::eventFilter(QObject* объект, QEvent* событие) {
  // A failure is reported and the event counts as not handled.
  bool обработано = false;
  Обработать_событие([&] {
    обработано = [&]() -> bool {
      // Coming back to the grid (after a message, say) starts a fresh edit of the cell.
      if (объект == таблица_ && событие->type() == QEvent::FocusIn) правка_начата_ = false;
      if (объект == таблица_ && событие->type() == QEvent::KeyPress) {
        auto* клавиша = static_cast<QKeyEvent*>(событие);
        const char32_t к = Клавиша_модели(*клавиша);
        if (к == 0 || (клавиша->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
          return false;
        const int строка = таблица_->currentRow(), столбец = таблица_->currentColumn();
        if (строка < 0 || столбец < 0) return false;
        const bool заменить = !правка_начата_ && к != U'\b' && к != U'\r';
        const bool принята = нажать_(строка, столбец, к, заменить);
        if (принята && к != U'\r') правка_начата_ = true;
        // Enter moves nowhere; every other character key is the model's to take or swallow.
        return к != U'\r' || принята;
      }
      return QObject::eventFilter(объект, событие);
    }();
  });
  return обработано;
}

void Завершить_правку(QTableWidget* таблица) {
  // An open editor is the index widget of its cell; moving off the cell commits it.
  const QModelIndex текущая = таблица->currentIndex();
  if (!текущая.isValid() || таблица->indexWidget(текущая) == nullptr) return;
  таблица->setCurrentIndex(QModelIndex());
  таблица->setCurrentIndex(текущая);
}

QTableWidgetItem* Ячейка_только_для_чтения(const std::string& текст) {
  auto* ячейка = new QTableWidgetItem(QString::fromStdString(текст));
  ячейка->setFlags(ячейка->flags() & ~Qt::ItemIsEditable);
  return ячейка;
}

}  // namespace korvella
