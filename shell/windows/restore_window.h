// "Восстановление данных программы ... из архивного файла": warns that the
// current data will be replaced, and "Восстановить данные" replaces the program
// folder with the chosen archive's content on the thread pool. After a
// successful restore the main window reloads the data as at start-up.
#pragma once

#include <filesystem>
#include <functional>

#include "core/archive.h"
#include "shell/windows/background_task_window.h"

class QString;
class QWidget;

namespace korvella {

// The open-file dialog "Окно поиска архивного файла", from the root folder,
// showing ZIP files; empty when cancelled.
QString Выбор_архивного_файла(QWidget* родитель);

class TФорма_восстановление_данных_расписания : public Окно_фоновой_задачи {
 public:
  // `после_восстановления` runs on the interface thread once the new data are in
  // place (the main window's start-up sequence and its first tab).
  TФорма_восстановление_данных_расписания(std::filesystem::path путь_архивного_файла,
                                          std::function<void()> после_восстановления,
                                          QWidget* главное_окно = nullptr);

  bool Идет_восстановление() const { return Задача_идёт(); }
  void Нажать_восстановить();

  QLabel* Надпись_предупреждение() const { return предупреждение_; }
  QLabel* Надпись_полное_имя_архивного_файла() const { return полное_имя_; }
  QPushButton* Кнопка_восстановить_данные() const { return Кнопка_действия(); }

 protected:
  void showEvent(QShowEvent* событие) override;

 private:
  void При_показе();
  void Завершить(const Результат_восстановления& результат);

  std::filesystem::path путь_архивного_файла_;
  std::function<void()> после_восстановления_;
  QLabel* предупреждение_ = nullptr;
  QLabel* полное_имя_ = nullptr;
};

}  // namespace korvella
