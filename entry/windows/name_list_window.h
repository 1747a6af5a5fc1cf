// The window pattern of steps 23 and 25: a count edit over a one-column grid of
// names. The count goes to the model on every change and on Enter; the grid's
// row labels and heading are its headers, so they stay in place on scrolling.
#pragma once

#include <QTableWidget>
#include <string>

#include "shell/windows/step_window.h"

class QLabel;
class QLineEdit;

namespace korvella {

// A grid whose open cell editor can be closed with its text kept.
class Таблица_имён : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  void Завершить_правку();
};

class Окно_списка_имён : public Окно_шага {
 public:
  struct Описание {
    const char* поле;  // object names, as the model's refusals use them
    const char* таблица;
    const char* надпись;
    int ширина_имени;  // width of the names column
  };

  QLabel* Надпись_количества() const { return надпись_; }
  QLineEdit* Поле_количества() const { return поле_; }
  Таблица_имён* Таблица() const { return таблица_; }

 protected:
  Окно_списка_имён(std::unique_ptr<Модель_шага> модель, QWidget* родитель, Описание описание);

  // What the two step models name differently.
  virtual std::string Текст_надписи() const = 0;
  virtual const std::string& Текст_поля() const = 0;
  virtual bool Установить_поле(const std::string& текст) = 0;
  virtual std::string Ввод_количества() = 0;
  virtual int Строк() const = 0;
  virtual std::string Ячейка(int строка, int столбец) const = 0;
  virtual void Изменить(int строка, const std::string& текст) = 0;
  virtual int Текущая_строка() const = 0;

  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Передать_в_модель() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Показать_отказ(const Отказ& отказ) override;
  void Выбрать_ячейку(QWidget* элемент, int строка, int столбец) override;
  bool eventFilter(QObject* объект, QEvent* событие) override;

 private:
  void Нажать_ввод_в_поле();
  void Заполнить_таблицу();
  void Фокус_на(const std::string& элемент);

  Описание описание_;
  QLabel* надпись_ = nullptr;
  QLineEdit* поле_ = nullptr;
  Таблица_имён* таблица_ = nullptr;
  bool загрузка_ = false;
};

}  // namespace korvella
