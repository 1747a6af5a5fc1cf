// The Qt window of a calculation step (steps 5, 8, 13, 17, 22, 29).
//
// "Рассчитать" runs the model's Рассчитать() as one task on the thread pool and
// puts the window into the busy state: the buttons disabled, the activity
// indicator running, the close box gone and every way of closing refused while
// the task runs. "Остановить расчет" (optional) sets Флаг_остановки_расчета,
// which the task polls. An optional stopwatch shows the elapsed time. When the
// task ends, the window shows the outcome and is left through "Продолжить" or
// "Закончить".
//
// The task must not touch widgets: it reaches the window only through the
// environment's dialogs and shell services (both hand over to the interface
// thread) or through В_потоке_интерфейса (shell/windows/ui_thread.h).
//
// Usage:
//
//   class TФорма_расчета_без_разделений : public Окно_расчёта {
//    public:
//     TФорма_расчета_без_разделений(Среда& с, QWidget* р)
//         : Окно_расчёта(с, std::make_unique<Модель_главного_расчёта>(с), р,
//                        {.кнопка_остановки = true, .секундомер = true,
//                         .кнопка_продолжить = false}) {}
//    protected:
//     std::string Текст_приглашения() const override { return "..."; }
//     void После_расчёта(Итог итог) override;  // call the base, then adjust the labels
//     void При_тике_секундомера() override;     // counters next to the time
//   };
#pragma once

#include <QElapsedTimer>
#include <memory>
#include <string>

#include "shell/windows/step_window.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace korvella {

struct Вид_окна_расчёта {
  std::string кнопка_расчёта = "Рассчитать";
  bool кнопка_остановки = false;
  bool секундомер = false;
  // Step 29 has no "Продолжить": it is left through "Закончить".
  bool кнопка_продолжить = true;
};

class Окно_расчёта : public Окно_шага {
 public:
  using Итог = Модель_расчётного_шага::Итог;

  Окно_расчёта(Среда& среда, Модель_расчётного_шага& модель, QWidget* родитель = nullptr,
               Вид_окна_расчёта вид = {});
  Окно_расчёта(Среда& среда, std::unique_ptr<Модель_расчётного_шага> модель,
               QWidget* родитель = nullptr, Вид_окна_расчёта вид = {});

  Модель_расчётного_шага& Модель_расчёта() const { return Модель_как<Модель_расчётного_шага>(); }

  bool Идёт_расчёт() const { return идёт_расчёт_; }
  void Нажать_рассчитать();
  void Нажать_остановить();

  QPushButton* Кнопка_рассчитать() const { return кнопка_рассчитать_; }
  QPushButton* Кнопка_остановить() const { return кнопка_остановить_; }
  QLabel* Надпись_на_форме() const { return надпись_; }
  QLabel* Вторая_надпись() const { return вторая_надпись_; }
  QLabel* Картинка() const { return картинка_; }
  QLabel* Надпись_секундомер() const { return секундомер_; }

 protected:
  Среда& среда() const { return среда_; }
  // The calculation window's own layout goes above the subclass's controls.
  void Построить_элементы(QWidget* область) final;
  virtual void Построить_дополнительные_элементы(QWidget* область) { (void)область; }
  void Загрузить_из_модели() override;
  QWidget* Начальный_фокус() override;
  bool Можно_закрыть() const override;

  // The labels shown on activation (the question whether to calculate).
  virtual std::string Текст_приглашения() const;
  virtual std::string Второй_текст_приглашения() const { return {}; }
  // On the interface thread, right before the task starts.
  virtual void Перед_расчётом() {}
  // On the interface thread after the task: shows the outcome. On success the
  // class tab is refilled and the teacher count recomputed.
  virtual void После_расчёта(Итог итог);
  virtual std::string Текст_неудачи() const;
  virtual std::string Второй_текст_неудачи() const;
  virtual std::string Текст_остановки() const;
  // Every stopwatch tick, after the time has been written.
  virtual void При_тике_секундомера() {}
  // Elapsed time of the running calculation as "чч:мм:сс".
  std::string Прошедшее_время() const;

 private:
  void Создать_кнопки();
  void Занятое_состояние(bool занято);
  void Завершить_расчёт(Итог итог, std::exception_ptr сбой);
  void Обновить_секундомер();

  Среда& среда_;
  Вид_окна_расчёта вид_;
  bool идёт_расчёт_ = false;
  QPushButton* кнопка_рассчитать_ = nullptr;
  QPushButton* кнопка_остановить_ = nullptr;
  QLabel* надпись_ = nullptr;
  QLabel* вторая_надпись_ = nullptr;
  QLabel* картинка_ = nullptr;
  QLabel* секундомер_ = nullptr;
  QProgressBar* индикатор_ = nullptr;
  QTimer* таймер_секундомера_ = nullptr;
  QElapsedTimer прошло_;
};

}  // namespace korvella
