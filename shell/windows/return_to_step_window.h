// "Выбор окна (шага) для возврата к нему": the list of the steps passed in this
// task; the return itself is the model's (shell/return_to_step.h).
#pragma once

#include <QDialog>

#include "shell/return_to_step.h"

class QListWidget;
class QPushButton;

namespace korvella {

class TФорма_возврат_к_шагу : public QDialog {
 public:
  TФорма_возврат_к_шагу(Модель_возврата_к_шагу& модель, QWidget* родитель = nullptr);

  // Fills the list anew and waits until the window closes.
  void Показать_модально();

  QListWidget* Список_названий_форм() const { return список_; }
  QPushButton* Кнопка_возврат_к_шагу() const { return возврат_; }
  QPushButton* Кнопка_закрыть() const { return закрыть_; }

 private:
  void Заполнить();
  void Возврат();

  Модель_возврата_к_шагу& модель_;
  QListWidget* список_;
  QPushButton* возврат_;
  QPushButton* закрыть_;
};

}  // namespace korvella
