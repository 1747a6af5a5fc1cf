// File primitives of the data files: a write never leaves a half-written or empty
// file in place of a good one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace korvella {

// Writes the bytes to a temporary file beside `путь` (a name of its own, so two
// processes never share it), flushes it to the disk and renames it over `путь`. On any failure the old file stays as it was, the
// temporary file is removed and std::runtime_error is thrown.
void Записать_файл_надёжно(const std::filesystem::path& путь, const void* данные,
                           std::size_t размер);

// Reads the first `размер` bytes. A missing or short file is the caller's to
// judge; a file that exists but cannot be read (permissions, an I/O error) throws
// std::runtime_error naming the file and the error, because calling it damaged
// would invite deleting data that is merely out of reach.
enum class Итог_чтения { Прочитан, Нет_файла, Короткий };
Итог_чтения Прочитать_начало_файла(const std::filesystem::path& путь, void* куда,
                                   std::size_t размер);

// Renames `откуда` over `куда` in one step and flushes the folder.
void Переименовать_надёжно(const std::filesystem::path& откуда, const std::filesystem::path& куда);

// For tests: the next writes fail after this many bytes (as a full disk would);
// nullopt writes normally again.
void Установить_сбой_записи_после(std::optional<std::size_t> байт);

}  // namespace korvella
