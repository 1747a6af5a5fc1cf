// The main window's archive and restore actions.
#include "core/archive.h"
#include "core/data_files.h"
#include "shell/windows/archive_window.h"
#include "shell/windows/main_window.h"
#include "shell/windows/restore_window.h"

namespace korvella {

void TГлавная_форма::Архивирование() {
  // The archive takes the data file, so it must hold what is in memory.
  Сохранение_главной_записи(среда_.запись);
  TФорма_архивирование_данных_расписания окно(среда_.диалоги, this, поиск_томов_);
  окно.exec();
}

void TГлавная_форма::Восстановление() {
  const QString выбранный = выбрать_архив_ ? выбрать_архив_() : QString();
  if (выбранный.isEmpty()) return;
  const std::filesystem::path путь = выбранный.toStdString();
  if (!Имя_архивного_файла_верно(путь)) {
    среда_.диалоги.Ошибка(Текст_неверного_архивного_файла(путь));
    return;
  }
  TФорма_восстановление_данных_расписания окно(
      путь,
      [this] {
        // The window becomes what a start on the restored data would show: the
        // tabs start enabled and the activation disables them without a main
        // timetable; the start-up sequence loads the data file, runs the
        // activation updates and lets the next tick lay the grids out.
        Разрешить_вкладки_расписания(true);
        Стартовая_последовательность();
        Переключить_на_первую_вкладку();
      },
      this);
  окно.exec();
}

}  // namespace korvella
