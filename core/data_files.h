// The data files: the main record's image, the remembered copy, the previous
// version's file and the substitution log, all in the program folder
// <working folder>/ZRB_Lab/ZRB_Korvella_025.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/dialogs.h"
#include "core/main_record.h"

namespace korvella {

// The working folder: the one set by Установить_рабочий_каталог (the command-line
// program's --data-dir), else KORVELLA_DATA_DIR, else the platform's data folder
// shared by the users (the user's XDG data folder on Linux); empty when none is known.
std::string Рабочий_католог();
void Установить_рабочий_каталог(std::string каталог);

// <working folder>/ZRB_Lab/ZRB_Korvella_025
std::filesystem::path Папка_программы();

std::filesystem::path Путь_файла_главной_записи();     // "Korvella22.gzdat"
std::filesystem::path Путь_запомненного_файла();        // "Korvella_zap22.gzdat"
std::filesystem::path Путь_файла_прежней_версии();     // "Korvella21.gzdat"

constexpr std::size_t kРазмер_записи_прежней_версии = 281'352;

// The names of every file the program keeps in its folder, the data file first.
extern const std::array<std::string_view, 5> kФайлы_папки_программы;

void Сохранение_главной_записи(const тип_Главная_запись& запись);

// What the start-up check of the files did.
enum class Итог_проверки_файлов {
  Без_изменений,          // the data file is there
  Создан_новый,           // a new data file with an empty task
  Преобразован,           // the previous version's file converted
  Прежний_заменён_новым,  // the previous version's file could not be converted: a new one
};
Итог_проверки_файлов Проверка_наличия_файла_главной_записи(тип_Главная_запись& запись);
// False after a failed read (the file was deleted on "Да"); "Нет" ends the program
// (Завершение_программы).
bool Чтение_главной_записи(тип_Главная_запись& запись, Диалоги& диалоги);
void Создание_нового_файла_главной_записи(тип_Главная_запись& запись);
// True when the previous version's file was converted; false when it could not be
// and a new file was created in its place (the old file stays).
bool Конвертация_главной_записи(тип_Главная_запись& запись);
// The block copy of the conversion: the previous version's 281,352-byte record into
// the new layout; everything new in this version is zero.
void Перенести_прежнюю_запись(const std::uint8_t* старая, тип_Главная_запись& запись);

// Loading at start-up: check the files and read until the read succeeds. A data
// file that exists but cannot be read is reported, never called damaged.
void Загрузка_главной_записи(тип_Главная_запись& запись, Диалоги& диалоги);

// Loading for a command that only looks at the data: nothing is created, converted
// on disk or deleted. Empty on success, else why there is nothing to show.
std::string Чтение_главной_записи_для_просмотра(тип_Главная_запись& запись);

// Whether a record read from a file is one the program can work with: every count
// within the limits that size its arrays, a step number in -1..29, a grid mode
// that exists. A record that fails is treated as a damaged file.
bool Содержимое_главной_записи_допустимо(const тип_Главная_запись& запись);

// The remembered copy: `буфер` is the second in-memory record.
void Создать_файл_запомненной_главной_записи(const тип_Главная_запись& запись,
                                            тип_Главная_запись& буфер);
std::string Дата_запомненного_файла_главной_записи(тип_Главная_запись& запись);
bool Проверка_запомненного_файла_расписания(тип_Главная_запись& запись,
                                            тип_Главная_запись& буфер, Диалоги& диалоги);
void Переименовать_файл_запомненной_записи();

// The substitution log: its path and the second name used while deleting records.
const std::filesystem::path& Журнал_замен();
const std::filesystem::path& Второй_журнал_замен();
void Проверка_наличия_файла_журнала_замен();
void Очистить_файл_журнала_замен();

}  // namespace korvella
