// Rules shared by the two list windows of subjects and staff teachers: the count
// edit's key filter, row labels, name normalisation and the equal-name search.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvella {

// The count edits take digits only (Backspace and Enter are handled by the window).
bool Цифра(char32_t символ);

// A text for a count edit of at most `длина` characters: digits only.
bool Допустимый_текст_количества(std::string_view текст, std::size_t длина);

// The value of a count edit; empty when the edit is empty or not a number.
std::optional<int> Значение_количества(std::string_view текст);

// Row label of the list grids: three blanks before 1..9, one before larger numbers.
std::string Подпись_строки_списка(int номер);

// Collapses runs of blanks and trims both ends, as every typed name is stored.
std::string Нормализовать_название(std::string_view текст);

// The later row (1-based) of the last equal pair found scanning i < j in order,
// or 0 when all names differ.
int Последний_повтор(const std::vector<std::string>& названия);

// Resizes a grid's rows to `строк`, keeping the existing ones and adding empty ones.
void Изменить_число_строк(std::vector<std::string>& строки, int строк);

}  // namespace korvella
