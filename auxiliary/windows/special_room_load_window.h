// Step 7's window: the weekly load of every class in every special room.
#pragma once

#include "auxiliary/special_room_load_step.h"
#include "shell/windows/step_window.h"

class QPushButton;
class QTableWidget;

namespace korvella {

class TФорма_нагрузка_классов_по_физре;

class TФорма_нагрузка_классов_в_спецпомещениях : public Окно_шага {
 public:
  TФорма_нагрузка_классов_в_спецпомещениях(Среда& среда, QWidget* родитель = nullptr);
  ~TФорма_нагрузка_классов_в_спецпомещениях() override;

  QTableWidget* Таблица() const { return таблица_; }
  QPushButton* Кнопка_очистить() const { return кнопка_очистить_; }
  QPushButton* Кнопка_физкультуры() const { return кнопка_физкультуры_; }
  TФорма_нагрузка_классов_по_физре& Диалог_физкультуры() const { return *диалог_; }

  // "Продолжить" with the PE questions asked first.
  void Продолжить_с_вопросами();
  // After the PE dialog has put the load into the gyms.
  void После_распределения_физкультуры();

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;

 private:
  Модель_нагрузка_классов_в_спецпомещениях& модель() const {
    return Модель_как<Модель_нагрузка_классов_в_спецпомещениях>();
  }
  void Показать_таблицу();
  void Обновить_ячейки();

  Среда& среда_;
  QTableWidget* таблица_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
  QPushButton* кнопка_физкультуры_ = nullptr;
  TФорма_нагрузка_классов_по_физре* диалог_ = nullptr;
};

}  // namespace korvella
