// korvella-cli: the timetable planner's logic without any window.
#include <cstdio>

#include "cli/commands.h"
#include "core/data_files.h"
#include "core/failure.h"
#include "core/random.h"

namespace {

const std::vector<korvella::cli::Опция>* Опции_команды(const std::string& имя) {
  const auto* команда = korvella::cli::Найти_команду(имя);
  return команда ? &команда->опции : nullptr;
}

int Ошибка_употребления(const std::string& текст) {
  std::fprintf(stderr, "korvella-cli: %s\n\n%s", текст.c_str(), korvella::cli::Справка().c_str());
  return korvella::cli::kУпотребление;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace korvella;
  std::string ошибка;
  const auto параметры = cli::Разобрать(argc, argv, Опции_команды, ошибка);
  if (!параметры) return Ошибка_употребления(ошибка);
  if (параметры->команда == "help") {
    std::fputs(cli::Справка().c_str(), stdout);
    return cli::kГотово;
  }
  if (const std::string т = cli::Ошибка_употребления(*параметры); !т.empty())
    return Ошибка_употребления(т);

  if (const auto каталог = параметры->Значение("--data-dir")) Установить_рабочий_каталог(*каталог);
  if (const auto зерно = параметры->Число("--seed"))
    Установить_главное_зерно(static_cast<std::uint64_t>(*зерно));
  try {
    return cli::Найти_команду(параметры->команда)->выполнить(*параметры);
  } catch (const Исключение_процедуры& e) {
    std::fprintf(stderr, "%s\n", e.what());
  } catch (const Фатальная_проверка& e) {
    std::fprintf(stderr, "%s\n", e.what());
  } catch (const Завершение_программы&) {
    // A "Нет" to a question that would have cost data: nothing was changed.
    return cli::kНеудача;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", Текст_исключения("korvella-cli", e.what()).c_str());
  }
  return cli::kСбой;
}
