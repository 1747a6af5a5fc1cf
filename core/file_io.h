// File primitives of the data files: a write never leaves a half-written or empty
// file in place of a good one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace korvella {

// Writes the bytes to a temporary file beside `путь`, flushes it to the disk and
// renames it over `путь`. On any failure the old file stays as it was, the
// temporary file is removed and std::runtime_error is thrown.
void Записать_файл_надёжно(const std::filesystem::path& путь, const void* данные,
                           std::size_t размер);

// Reads the first `размер` bytes; false when the file is missing, shorter or unreadable.
bool Прочитать_начало_файла(const std::filesystem::path& путь, void* куда, std::size_t размер);

// Renames `откуда` over `куда` in one step and flushes the folder.
void Переименовать_надёжно(const std::filesystem::path& откуда, const std::filesystem::path& куда);

// For tests: the next writes fail after this many bytes (as a full disk would);
// nullopt writes normally again.
void Установить_сбой_записи_после(std::optional<std::size_t> байт);

}  // namespace korvella
