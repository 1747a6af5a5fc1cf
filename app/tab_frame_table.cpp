#include "app/program_windows.h"

// A tab's own frame: include its header here and change the tab's line below.
#include "views/windows/class_tab_frame.h"
#include "views/windows/teacher_tab_frame.h"

namespace korvella {

Фреймы_вкладок Создать_фреймы_вкладок(Среда& среда, QWidget* родитель) {
  Фреймы_вкладок ф;
  ф.классы = new Фрейм_вкладки_расписание_классов(среда, родитель);
  ф.преподаватели = new Фрейм_вкладки_расписание_преподавателей(среда, родитель);
  ф.кабинеты = new Пустой_фрейм_вкладки(родитель);
  ф.замены = new Пустой_фрейм_вкладки(родитель);
  ф.расписание_замен = new Пустой_фрейм_вкладки(родитель);
  ф.журнал_замен = new Пустой_фрейм_вкладки(родитель);
  return ф;
}

}  // namespace korvella
