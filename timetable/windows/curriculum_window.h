// Step 24's window: the curriculum grid with its two fixed rows (free and current
// hours of the classes) and two fixed columns (subject numbers and names), shown
// as the grid's headers so they stay in place while the values scroll.
#pragma once

#include <QTableWidget>

#include "shell/windows/step_window.h"
#include "timetable/curriculum_model.h"

class QLabel;
class QPushButton;

namespace korvella {

class TФорма_ввод_нагрузки;

class Сетка_учебного_плана : public QTableWidget {
 public:
  explicit Сетка_учебного_плана(Модель_учебного_плана& модель, QWidget* родитель);

  // Lays the grid out again for the model's subjects and classes.
  void Разложить();
  // Reads the texts of the headers and cells again.
  void Обновить();
  // Grid cell (model numbering) of a view index.
  static int Строка_модели(int строка_вида) { return строка_вида + 2; }
  static int Столбец_модели(int столбец_вида) { return столбец_вида + 2; }

  std::function<void(int строка, int столбец)> при_открытии;

 protected:
  void keyPressEvent(QKeyEvent* событие) override;
  bool eventFilter(QObject* объект, QEvent* событие) override;

 private:
  Модель_учебного_плана& модель_;
};

class TФорма_нераспределенный_учебный_план : public Окно_шага {
 public:
  TФорма_нераспределенный_учебный_план(Среда& среда, QWidget* родитель = nullptr);
  ~TФорма_нераспределенный_учебный_план() override;

  Сетка_учебного_плана* Таблица() const { return таблица_; }
  QLabel* Надпись_предельного_значения() const { return надпись_предела_; }
  QLabel* Надпись_текущего_значения() const { return надпись_текущего_; }
  QPushButton* Кнопка_очистить() const { return кнопка_очистить_; }
  TФорма_ввод_нагрузки* Окно_ввода() const { return ввод_; }

  void Нажать_очистить();
  // Double click or Enter on a cell (model numbering).
  void Открыть_ячейку(int строка, int столбец);

 protected:
  void Построить_элементы(QWidget* область) override;
  void Загрузить_из_модели() override;
  void Разрешить_ввод(bool можно) override;
  QWidget* Начальный_фокус() override;
  void Показать_отказ(const Отказ& отказ) override;

 private:
  Модель_учебного_плана& модель() const { return Модель_как<Модель_учебного_плана>(); }
  void Обновить_значения();

  Сетка_учебного_плана* таблица_ = nullptr;
  QLabel* надпись_предела_ = nullptr;
  QLabel* надпись_текущего_ = nullptr;
  QPushButton* кнопка_очистить_ = nullptr;
  TФорма_ввод_нагрузки* ввод_ = nullptr;
};

}  // namespace korvella
