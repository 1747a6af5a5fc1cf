// The owner-drawn string grid of the timetable tabs: a QTableView over a
// Строковая_таблица. Row 0 of the grid is the view's header, so the day names
// stay in sight while the week scrolls; the fixed columns are drawn plain, every
// other cell as the view's Рисунок_ячейки says.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

#include "views/cell_style.h"
#include "views/string_grid.h"

namespace korvella {

class Модель_строковой_таблицы : public QAbstractTableModel {
 public:
  Модель_строковой_таблицы(const Строковая_таблица& таблица, QObject* родитель)
      : QAbstractTableModel(родитель), таблица_(таблица) {}

  int rowCount(const QModelIndex& родитель = {}) const override;
  int columnCount(const QModelIndex& родитель = {}) const override;
  QVariant data(const QModelIndex& индекс, int роль) const override;
  QVariant headerData(int секция, Qt::Orientation ориентация, int роль) const override;
  Qt::ItemFlags flags(const QModelIndex& индекс) const override;

  // The grid changes as a whole between these two.
  void Начать_сброс() { beginResetModel(); }
  void Закончить_сброс() { endResetModel(); }

 private:
  const Строковая_таблица& таблица_;
};

class Таблица_расписания : public QTableView {
 public:
  // How a timetable cell (grid column, grid row) is painted.
  using Рисунок = std::function<Рисунок_ячейки(int столбец, int строка, bool текущая)>;

  Таблица_расписания(Строковая_таблица& таблица, Рисунок рисунок, QWidget* родитель);

  // After the grid was rebuilt: new texts, size and current cell. The view stays
  // where the user scrolled it unless it is to bring the current cell into sight.
  void Обновить_из_таблицы(bool показать_текущую = false);
  // Rebuilds the grid with the view detached from it, for a rebuild that may
  // show a message box (and so repaint) halfway.
  void Перестроить(const std::function<void()>& перестройка);
  // Fixed columns 0 and 1, every day column the same.
  void Задать_ширины(int нулевой, int первый, int по_умолчанию);

  // The grid cell under the last mouse press ((-1, -1) outside the cells).
  std::function<void(int столбец, int строка)> при_нажатии_мыши;
  // Double click on a cell, or Enter.
  std::function<void()> при_подробностях;

  const Рисунок& Рисунок_ячейки_таблицы() const { return рисунок_; }
  const Строковая_таблица& Таблица() const { return таблица_; }

 protected:
  void mousePressEvent(QMouseEvent* событие) override;
  void mouseDoubleClickEvent(QMouseEvent* событие) override;
  void keyPressEvent(QKeyEvent* событие) override;

 private:
  void Применить_ширины();

  Строковая_таблица& таблица_;
  Рисунок рисунок_;
  Модель_строковой_таблицы* модель_;
  int ширина_0_ = 60, ширина_1_ = 47, ширина_дня_ = 0;
};

}  // namespace korvella
