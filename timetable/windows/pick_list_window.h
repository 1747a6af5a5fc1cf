// The two pick lists of steps 26 and 27: a list, "Выбрать" and "Закрыть". The
// step's logic decides whether a choice is taken; a refused one keeps the list open.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace korvella {

class Окно_списка_выбора : public QDialog {
 public:
  // Takes item i (0-based); true when the choice is made and the list closes.
  using Выбор = std::function<bool(int пункт)>;

  Окно_списка_выбора(const char* заголовок, const char* имя_списка, QWidget* родитель);

  // Shows the items modally with its top-left corner at `где`, the first item
  // selected; true when a choice closed it, false on Escape or "Закрыть".
  bool Показать(const std::vector<std::string>& пункты, Выбор выбор, QPoint где);

  QListWidget* Список() const { return список_; }
  QPushButton* Кнопка_выбрать() const { return кнопка_выбрать_; }
  // "Выбрать", a double click or Enter.
  void Выбрать_текущий();

 private:
  QListWidget* список_ = nullptr;
  QPushButton* кнопка_выбрать_ = nullptr;
  Выбор выбор_;
};

// "Список предметов" of a competence cell.
class TФорма_список_предметов_для_выбора : public Окно_списка_выбора {
 public:
  explicit TФорма_список_предметов_для_выбора(QWidget* родитель)
      : Окно_списка_выбора("Список предметов", "Список_предметов_для_выбора", родитель) {}
};

// "Список преподавателей" of a load row.
class TФорма_преподаватели_без_разделений_для_назначения : public Окно_списка_выбора {
 public:
  explicit TФорма_преподаватели_без_разделений_для_назначения(QWidget* родитель)
      : Окно_списка_выбора("Список преподавателей", "Список_нагрузки_преподавателей", родитель) {}
};

}  // namespace korvella
