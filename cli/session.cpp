#include "cli/session.h"

#include "core/data_files.h"
#include "core/folder_lock.h"

namespace korvella::cli {

int С_изменением_данных(const Параметры& п, std::FILE* вывод, const char* отступ,
                        const std::function<int(Среда&)>& тело) {
  Замок_папки замок(Папка_программы());
  if (!замок.Захвачен()) {
    std::fprintf(stderr, "korvella-cli: %s\n", замок.Причина().c_str());
    return 1;
  }
  Диалоги_командной_строки диалоги(вывод, отступ, п.Согласие_на_утрату_данных());
  Оболочка оболочка;
  Среда среда{Главная_запись, диалоги, оболочка};
  Загрузка_главной_записи(среда.запись, диалоги);
  Проверка_наличия_файла_журнала_замен();
  const int код = тело(среда);
  Сохранение_главной_записи(среда.запись);
  return код;
}

bool Прочитать_для_просмотра() {
  const std::string причина = Чтение_главной_записи_для_просмотра(Главная_запись);
  if (причина.empty()) return true;
  std::fprintf(stderr, "korvella-cli: %s\n", причина.c_str());
  return false;
}

}  // namespace korvella::cli
