// "Восстановление данных программы ... из архивного файла": warns that the
// current data will be replaced, and "Восстановить данные" replaces the program
// folder with the chosen archive's content on the thread pool. After a
// successful restore the main window reloads the data as at start-up. The
// window refuses to close while the restore runs.
#pragma once

#include <QDialog>
#include <atomic>
#include <filesystem>
#include <functional>

#include "core/archive.h"

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace korvella {

// The open-file dialog "Окно поиска архивного файла", from the root folder,
// showing ZIP files; empty when cancelled.
QString Выбор_архивного_файла(QWidget* родитель);

class Индикатор_активности;

class TФорма_восстановление_данных_расписания : public QDialog {
 public:
  // `после_восстановления` runs on the interface thread once the new data are in
  // place (the main window's start-up sequence and its first tab).
  TФорма_восстановление_данных_расписания(std::filesystem::path путь_архивного_файла,
                                          std::function<void()> после_восстановления,
                                          QWidget* главное_окно = nullptr);
  ~TФорма_восстановление_данных_расписания() override;

  bool Идет_восстановление() const { return идет_восстановление_; }
  void Нажать_восстановить();

  QLabel* Надпись_предупреждение() const { return предупреждение_; }
  QLabel* Надпись_полное_имя_архивного_файла() const { return полное_имя_; }
  QPushButton* Кнопка_восстановить_данные() const { return кнопка_восстановить_; }
  QPushButton* Кнопка_закрыть() const { return кнопка_закрыть_; }
  Индикатор_активности* Индикатор() const { return индикатор_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* событие) override;
  void closeEvent(QCloseEvent* событие) override;

 private:
  void Занятое_состояние(bool занято);
  void Завершить(const Результат_восстановления& результат);

  std::filesystem::path путь_архивного_файла_;
  std::function<void()> после_восстановления_;
  std::atomic<bool> идет_восстановление_{false};

  QLabel* картинка_ = nullptr;
  QLabel* предупреждение_ = nullptr;
  QLabel* полное_имя_ = nullptr;
  Индикатор_активности* индикатор_ = nullptr;
  QPushButton* кнопка_восстановить_ = nullptr;
  QPushButton* кнопка_закрыть_ = nullptr;
};

}  // namespace korvella
