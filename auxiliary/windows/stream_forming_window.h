// Step 15's window: the stream table, "Очистить" and the class dialog.
#pragma once

#include "auxiliary/stream_forming_step.h"
#include "auxiliary/windows/stream_class_chooser_window.h"
#include "shell/windows/step_window.h"

class QTableWidget;

namespace korvella {

class TФорма_формирование_потоков : public Окно_шага {
 public:
  TФорма_формирование_потоков(Среда& среда, QWidget* родитель = nullptr);

  QTableWidget* Таблица_формирования_потоков() const { return таблица_; }
  QPushButton* Кнопка_очистить() const { return кнопка_очистить_; }
  TФорма_выбор_класса_для_потока* Выбор_класса() const { return выбор_класса_; }
  // Double click or Enter on a grid cell (row and column of the view).
  void Выбрать_класс(int строка, int столбец);

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Передать_в_модель() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Показать_отказ(const Отказ& отказ) override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_формирование_потоков& модель() const { return Модель_как<Модель_формирование_потоков>(); }
  void Показать_таблицу();

  QTableWidget* таблица_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
  TФорма_выбор_класса_для_потока* выбор_класса_ = nullptr;
  bool загрузка_ = false;
};

}  // namespace korvella
