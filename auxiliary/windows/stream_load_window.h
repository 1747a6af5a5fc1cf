// Step 16's window: the weekly lessons of every stream.
#pragma once

#include "auxiliary/stream_load_step.h"
#include "shell/windows/step_window.h"

class QTableWidget;

namespace korvella {

class TФорма_формирование_нагрузки_потоков : public Окно_шага {
 public:
  TФорма_формирование_нагрузки_потоков(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Таблица_нагрузки_потоков() const { return таблица_; }

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Показать_отказ(const Отказ& отказ) override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_формирование_нагрузки_потоков& модель() const {
    return Модель_как<Модель_формирование_нагрузки_потоков>();
  }
  void Показать_нагрузки();

  QTableWidget* таблица_ = nullptr;
};

}  // namespace korvella
