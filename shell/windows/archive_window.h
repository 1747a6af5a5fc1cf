// "Архивирование данных расписания": the user picks a volume (a fixed one or a
// removable medium) and types a folder on it; "Архивировать данные" writes the
// archive of the program folder there on the thread pool, once per opening of
// the window. The window refuses to close while the archive is being written.
#pragma once

#include <QDialog>
#include <atomic>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/archive.h"
#include "core/dialogs.h"
#include "core/volumes.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvella {

class Индикатор_активности;

class TФорма_архивирование_данных_расписания : public QDialog {
 public:
  using Поиск_томов = std::function<std::vector<Том>()>;

  TФорма_архивирование_данных_расписания(Диалоги& диалоги, QWidget* главное_окно = nullptr,
                                         Поиск_томов поиск_томов = Список_томов);
  ~TФорма_архивирование_данных_расписания() override;

  bool Идет_архивирование() const { return идет_архивирование_; }
  void Нажать_архивировать();

  QGroupBox* Радиогруппа_установленных_дисков() const { return группа_установленных_; }
  QGroupBox* Радиогруппа_съемных_дисков() const { return группа_съемных_; }
  // The radio button of the volume mounted on `корень`, or null.
  QRadioButton* Кнопка_тома(const QString& корень) const;
  QLabel* Надпись_диск_выбранный_для_архивирования() const { return надпись_диска_; }
  QLabel* Надпись_папка_в_выбранном_диске() const { return надпись_папки_; }
  QLineEdit* Поле_ввода_имени_папки() const { return поле_папки_; }
  QLabel* Надпись_полное_имя_сохраняемого_файла() const { return надпись_полного_имени_; }
  QPushButton* Кнопка_архивировать_данные() const { return кнопка_архивировать_; }
  QPushButton* Кнопка_закрыть() const { return кнопка_закрыть_; }
  Индикатор_активности* Индикатор() const { return индикатор_; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* событие) override;
  void closeEvent(QCloseEvent* событие) override;

 private:
  void Построить();
  void Заполнить_группы();
  void Очистить_группы();
  void При_выборе_тома(const Том& том);
  void Занятое_состояние(bool занято);
  void Завершить(const Результат_архивирования& результат, const std::filesystem::path& путь,
                 const std::string& имя_папки);

  Диалоги& диалоги_;
  Поиск_томов поиск_томов_;
  std::vector<Том> тома_;
  std::filesystem::path выбранный_том_;
  std::atomic<bool> идет_архивирование_{false};

  QGroupBox* группа_установленных_ = nullptr;
  QGroupBox* группа_съемных_ = nullptr;
  QButtonGroup* кнопки_томов_ = nullptr;
  QLabel* картинка_ = nullptr;
  QLabel* надпись_диска_ = nullptr;
  QLabel* надпись_папки_ = nullptr;
  QLineEdit* поле_папки_ = nullptr;
  QLabel* надпись_полного_имени_ = nullptr;
  Индикатор_активности* индикатор_ = nullptr;
  QPushButton* кнопка_архивировать_ = nullptr;
  QPushButton* кнопка_закрыть_ = nullptr;
};

}  // namespace korvella
