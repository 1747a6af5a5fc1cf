// Step 14's window: how many senior year groups are joined and how many streams.
#pragma once

#include "auxiliary/stream_count_step.h"
#include "shell/windows/step_window.h"

class QLabel;
class QLineEdit;

namespace korvella {

class TФорма_количество_старших_параллелей_объединяемых_в_потоки : public Окно_шага {
 public:
  TФорма_количество_старших_параллелей_объединяемых_в_потоки(Среда& среда,
                                                             QWidget* родитель = nullptr);

  QLineEdit* Поле_ввода_количества_объединяемых() const { return поле_параллелей_; }
  QLineEdit* Поле_ввода_количества_потоков() const { return поле_потоков_; }
  QLabel* Надпись_количества_потоков() const { return надпись_потоков_; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  void Показать_отказ(const Отказ& отказ) override;

 private:
  Модель_количество_старших_параллелей& модель() const {
    return Модель_как<Модель_количество_старших_параллелей>();
  }

  QLineEdit* поле_параллелей_ = nullptr;
  QLineEdit* поле_потоков_ = nullptr;
  QLabel* надпись_потоков_ = nullptr;
};

}  // namespace korvella
