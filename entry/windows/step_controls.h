// Small pieces the step windows of the first steps share: edits and grids that
// hand every key to their step model and show what the model keeps, and the
// painting of grid cells in the model's colours.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace korvella {

QColor Цвет_RGB(std::uint32_t rgb);

// The key of a key press as the models see it: a typed character, Backspace or
// Enter; 0 for keys that only move (arrows, Tab, ...).
char32_t Клавиша_модели(const QKeyEvent& событие);

// An edit whose text lives in the model: whatever the user does to it (keys,
// paste, cut) goes to `ввести`, and the edit then shows `текст`.
void Связать_поле(QLineEdit* поле, std::function<void(const std::string&)> ввести,
                  std::function<std::string()> текст);

// Paints a cell's background in the colour the model gives (none = the grid's
// own) and its text at the offset the step uses.
class Рисование_ячеек : public QStyledItemDelegate {
 public:
  // Row and column of the view; `текущая` for the grid's current cell.
  using Цвет_ячейки =
      std::function<std::optional<std::uint32_t>(int строка, int столбец, bool текущая)>;
  Рисование_ячеек(QTableWidget* таблица, Цвет_ячейки цвет, int отступ_слева, int отступ_сверху);
  void paint(QPainter* кисть, const QStyleOptionViewItem& вид,
             const QModelIndex& ячейка) const override;

 private:
  QTableWidget* таблица_;
  Цвет_ячейки цвет_;
  int отступ_слева_;
  int отступ_сверху_;
};

// Keys typed into a grid go to the model cell by cell (row and column of the
// view); the first key after moving to a cell replaces its text, as an editor
// opening with the text selected would. True from `нажать` consumes the key.
class Клавиши_таблицы : public QObject {
 public:
  using Нажать = std::function<bool(int строка, int столбец, char32_t клавиша, bool заменить)>;
  Клавиши_таблицы(QTableWidget* таблица, Нажать нажать);
  bool eventFilter(QObject* объект, QEvent* событие) override;

 private:
  QTableWidget* таблица_;
  Нажать нажать_;
  bool правка_начата_ = false;
};

// Ends an open cell editor, so that what it holds reaches the model.
void Завершить_правку(QTableWidget* таблица);

// A read-only item (fixed rows and columns, cells the model edits itself).
QTableWidgetItem* Ячейка_только_для_чтения(const std::string& текст);

}  // namespace korvella
