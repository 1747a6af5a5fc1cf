// korvella-cli: the timetable planner's logic without any window.
#include <cstdio>
#include <iostream>

#include "cli/chain_runner.h"
#include "cli/cli_dialogs.h"
#include "cli/check_command.h"
#include "cli/options.h"
#include "cli/view_commands.h"
#include "core/data_files.h"
#include "core/failure.h"
#include "core/random.h"

namespace korvella::cli {
namespace {

int Выполнить(const Параметры& п) {
  // Under the step lines of the chain, indented.
  Диалоги_командной_строки диалоги(stdout, "    ");
  Оболочка оболочка;
  Среда среда{Главная_запись, диалоги, оболочка};
  Загрузка_главной_записи(среда.запись, диалоги);
  Проверка_наличия_файла_журнала_замен();

  const Реестр_шагов реестр = Реестр_всех_шагов();
  Прогон_цепочки прогон(среда, реестр, п, stdout);
  if (п.команда == "new") {
    Начать_новую_задачу(среда, прогон.Как_показ_шага());
  } else {
    Продолжить_начатую_задачу(среда, прогон.Как_показ_шага());
  }
  Сохранение_главной_записи(среда.запись);
  return прогон.Сбой() || !среда.запись.Флаг_продолжения ? 1 : 0;
}

}  // namespace
}  // namespace korvella::cli

int main(int argc, char** argv) {
  using namespace korvella;
  std::string ошибка;
  const auto параметры = cli::Разобрать(argc, argv, ошибка);
  if (!параметры) {
    std::fprintf(stderr, "korvella-cli: %s\n\n%s", ошибка.c_str(), cli::kСправка);
    return 2;
  }
  if (параметры->команда == "help") {
    std::fputs(cli::kСправка, stdout);
    return 0;
  }
  if (параметры->команда != "new" && параметры->команда != "continue" &&
      параметры->команда != "check" &&
      !cli::Команда_просмотра(параметры->команда)) {
    std::fprintf(stderr, "korvella-cli: unknown command %s\n\n%s", параметры->команда.c_str(),
                 cli::kСправка);
    return 2;
  }
  if (const std::string т = cli::Ошибка_команды_просмотра(*параметры); !т.empty()) {
    std::fprintf(stderr, "korvella-cli: %s\n\n%s", т.c_str(), cli::kСправка);
    return 2;
  }
  if (параметры->каталог_данных) Установить_рабочий_каталог(*параметры->каталог_данных);
  if (параметры->зерно) Установить_главное_зерно(*параметры->зерно);
  try {
    if (параметры->команда == "check") return cli::Выполнить_проверку(*параметры, stdout);
    if (cli::Команда_просмотра(параметры->команда))
      return cli::Выполнить_команду_просмотра(*параметры);
    return cli::Выполнить(*параметры);
  } catch (const Исключение_процедуры& e) {
    std::fprintf(stderr, "%s\n", e.what());
  } catch (const Фатальная_проверка& e) {
    std::fprintf(stderr, "%s\n", e.what());
  } catch (const Завершение_программы&) {
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", Текст_исключения("korvella-cli", e.what()).c_str());
  }
  return 3;
}
