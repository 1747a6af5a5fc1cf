// The class grid as a SpreadsheetML 2003 workbook ("Расписание классов.xml"):
// UTF-8 text, one element a line, every line ended by CR LF. Empty timetable
// cells are written as "XXX (Нет урока) XXX" where the sanitary norms forbid a
// lesson and as "--------" elsewhere, so the sheet has no holes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs.h"
#include "views/colour_matrix.h"
#include "views/string_grid.h"

namespace korvella {

inline constexpr const char* kИмя_файла_Excel = "Расписание классов.xml";

// &, < and > as XML entities; characters XML cannot carry are left out.
std::string Экранирование_XML(std::string_view текст);

// Every line of the file, without line ends; `создан` goes into <Created>.
std::vector<std::string> Строки_файла_Excel(const Строковая_таблица& таблица,
                                            const Матрица_раскраски& раскраска,
                                            std::string_view создан);

// Creates the file at `путь` and writes the grid into it. When the file cannot be
// created the error window says so and nothing is written (false); a failure
// while writing goes to the exception reporter.
bool Записать_файл_Excel(const std::filesystem::path& путь, const Строковая_таблица& таблица,
                         const Матрица_раскраски& раскраска, Диалоги& диалоги);

// "Расписание классов.xml" in the Documents folder.
std::filesystem::path Путь_файла_Excel();

// "Расписание классов.xml" in the Documents folder.
std::filesystem::path Путь_файла_Excel();

// Вывод_таблицы_в_файл_Excel: the file in the Documents folder, asking before it
// replaces an existing one. True when the file was written.
bool Вывод_таблицы_в_файл_Excel(const Строковая_таблица& таблица,
                                const Матрица_раскраски& раскраска, Диалоги& диалоги);

}  // namespace korvella
