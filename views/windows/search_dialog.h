// Форма_найти_подстроку ("Поиск подстроки"): the edit, the result label and the
// two buttons over the search model of the class tab.
#pragma once

#include <QDialog>

#include "core/dialogs.h"
#include "views/search.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvella {

class Таблица_расписания;

class TФорма_найти_подстроку : public QDialog {
 public:
  TФорма_найти_подстроку(Поиск_подстроки& поиск, Строковая_таблица& таблица,
                         Таблица_расписания& вид_таблицы, Диалоги& диалоги, QWidget* родитель);

  // Shows the dialog modally; the model has been prepared for the show.
  void Показать();

  QLineEdit* Поле_ввода_для_поиска() const { return поле_; }
  QLabel* Надпись_содержание_ячейки() const { return надпись_; }
  QPushButton* Кнопка_найти() const { return кнопка_найти_; }
  QPushButton* Кнопка_закрыть() const { return кнопка_закрыть_; }

  void Нажать_найти();
  void done(int итог) override;

 private:
  void Показать_состояние();

  Поиск_подстроки& поиск_;
  Строковая_таблица& таблица_;
  Таблица_расписания& вид_таблицы_;
  Диалоги& диалоги_;
  QLineEdit* поле_;
  QLabel* надпись_;
  QPushButton* кнопка_найти_;
  QPushButton* кнопка_закрыть_;
};

}  // namespace korvella
