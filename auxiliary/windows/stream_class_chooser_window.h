// `Форма_выбор_класса_для_потока`: the senior classes with their marks, for one
// class cell of step 15.
#pragma once

#include <QDialog>

#include "auxiliary/stream_forming_step.h"

class QListWidget;
class QPushButton;

namespace korvella {

class TФорма_выбор_класса_для_потока : public QDialog {
 public:
  explicit TФорма_выбор_класса_для_потока(QWidget* родитель);

  // Fills the list from the opened model and runs modally; true when a choice
  // changed the cell.
  bool Показать_модально(Модель_выбор_класса_для_потока& модель);

  QListWidget* Список_старших_классов() const { return список_; }
  QPushButton* Кнопка_выбрать() const { return выбрать_; }
  void Выбрать();

 protected:
  bool eventFilter(QObject* объект, QEvent* событие) override;

 private:
  Модель_выбор_класса_для_потока* модель_ = nullptr;
  QListWidget* список_ = nullptr;
  QPushButton* выбрать_ = nullptr;
  bool выбрано_ = false;
};

}  // namespace korvella
