// "Архивирование данных расписания": the user picks a volume (a fixed one or a
// removable medium) and types a folder on it; "Архивировать данные" writes the
// archive of the program folder there on the thread pool, once per opening of
// the window. The window refuses to close while the archive is being written.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "core/archive.h"
#include "core/dialogs.h"
#include "core/volumes.h"
#include "shell/windows/background_task_window.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvella {

class TФорма_архивирование_данных_расписания : public Окно_фоновой_задачи {
 public:
  using Поиск_томов = std::function<std::vector<Том>()>;

  TФорма_архивирование_данных_расписания(Диалоги& диалоги, QWidget* главное_окно = nullptr,
                                         Поиск_томов поиск_томов = Список_томов);

  bool Идет_архивирование() const { return Задача_идёт(); }
  void Нажать_архивировать();

  QGroupBox* Радиогруппа_установленных_дисков() const { return группа_установленных_; }
  QGroupBox* Радиогруппа_съемных_дисков() const { return группа_съемных_; }
  // The radio button of the volume mounted on `корень`, or null.
  QRadioButton* Кнопка_тома(const QString& корень) const;
  QLabel* Надпись_диск_выбранный_для_архивирования() const { return надпись_диска_; }
  QLabel* Надпись_папка_в_выбранном_диске() const { return надпись_папки_; }
  QLineEdit* Поле_ввода_имени_папки() const { return поле_папки_; }
  QLabel* Надпись_полное_имя_сохраняемого_файла() const { return надпись_полного_имени_; }
  QPushButton* Кнопка_архивировать_данные() const { return Кнопка_действия(); }

 protected:
  void showEvent(QShowEvent* событие) override;

 private:
  void Построить();
  void При_показе();
  void Заполнить_группы();
  void Очистить_группы();
  void При_выборе_тома(const Том& том);
  void Завершить(const Результат_архивирования& результат, const std::filesystem::path& путь,
                 const std::string& имя_папки);

  Диалоги& диалоги_;
  Поиск_томов поиск_томов_;
  std::vector<Том> тома_;
  std::filesystem::path выбранный_том_;

  QGroupBox* группа_установленных_ = nullptr;
  QGroupBox* группа_съемных_ = nullptr;
  QButtonGroup* кнопки_томов_ = nullptr;
  QLabel* надпись_диска_ = nullptr;
  QLabel* надпись_папки_ = nullptr;
  QLineEdit* поле_папки_ = nullptr;
  QLabel* надпись_полного_имени_ = nullptr;
};

}  // namespace korvella
