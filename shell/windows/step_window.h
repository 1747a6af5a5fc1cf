// The Qt window of a wizard step: a modal dialog over a step model.
//
// A step window is thin. It builds its controls, shows the model's data after
// activation, pushes what the user typed into the model before "Продолжить",
// "Закончить" and the close box, and focuses the control a refusal names. All
// rules, generators and messages stay in the model.
//
// Usage for a step of your area:
//
//   class TФорма_базовые_параметры : public Окно_шага {
//    public:
//     TФорма_базовые_параметры(Среда& среда, QWidget* родитель)
//         : Окно_шага(std::make_unique<Модель_базовых_параметров>(среда), родитель) {}
//    protected:
//     void Построить_элементы(QWidget* область) override;  // controls, with objectName
//     void Загрузить_из_модели() override;                 // model -> controls
//     void Передать_в_модель() override;                   // controls -> model
//     void Разрешить_ввод(bool можно) override;            // read-only while autogeneration is off
//    private:
//     Модель_базовых_параметров& модель() { return Модель_как<Модель_базовых_параметров>(); }
//   };
//
// Give every control the objectName that the model's Отказ::элемент uses; for a
// grid, Отказ::строка/столбец select the cell (row and column of the view's
// model, override Выбрать_ячейку when the grid counts its header differently).
// Then plug the window into the program (one line of the table in
// app/step_window_table.cpp).
// Calculation steps derive from Окно_расчёта (shell/windows/calculation_window.h).
#pragma once

#include <QDialog>
#include <memory>

#include "shell/step_model.h"

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace korvella {

class Окно_шага : public QDialog {
 public:
  // The window uses a model owned elsewhere (it must outlive the window's use).
  Окно_шага(Модель_шага& модель, QWidget* родитель = nullptr);
  // The window owns its model.
  Окно_шага(std::unique_ptr<Модель_шага> модель, QWidget* родитель = nullptr);
  ~Окно_шага() override;

  Модель_шага& Модель() const { return модель_; }
  int Номер() const { return модель_.Номер(); }

  // Builds the controls once; Показать_модально does it when nobody did before.
  void Построить();

  // The step's turn in the chain: activation, data shown, modal until closed.
  void Показать_модально();

  QPushButton* Кнопка_продолжить() const { return кнопка_продолжить_; }
  QPushButton* Кнопка_закончить() const { return кнопка_закончить_; }

  // What the buttons do, for the buttons themselves and for tests.
  void Нажать_продолжить();
  void Нажать_закончить();

  // Esc, the close box and Alt+F4 end up here: "Закончить" unless continued.
  void reject() override;

 protected:
  template <class М>
  М& Модель_как() const {
    return static_cast<М&>(модель_);
  }

  // The area above the buttons; the subclass gives it a layout and controls.
  virtual void Построить_элементы(QWidget* область) { (void)область; }
  virtual void Загрузить_из_модели() {}
  virtual void Передать_в_модель() {}
  // After activation, with the model's Ввод_разрешён().
  virtual void Разрешить_ввод(bool можно) { (void)можно; }
  // The control that has the focus when the window opens.
  virtual QWidget* Начальный_фокус();
  // Moves the focus to the control of a refused "Продолжить".
  virtual void Показать_отказ(const Отказ& отказ);
  // Selects a grid cell of a refusal.
  virtual void Выбрать_ячейку(QWidget* элемент, int строка, int столбец);
  // Whether the window may close now (a running calculation says no).
  virtual bool Можно_закрыть() const { return true; }

  // The button row, for subclasses that add buttons (left of "Продолжить").
  QHBoxLayout* Ряд_кнопок() const { return ряд_кнопок_; }

 private:
  void Создать_каркас();

  std::unique_ptr<Модель_шага> своя_модель_;
  Модель_шага& модель_;
  bool построено_ = false;
  QWidget* область_ = nullptr;
  QHBoxLayout* ряд_кнопок_ = nullptr;
  QPushButton* кнопка_продолжить_ = nullptr;
  QPushButton* кнопка_закончить_ = nullptr;
};

}  // namespace korvella
