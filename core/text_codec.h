// Code page 1251 <-> UTF-8. The data file keeps every text in the Windows
// Cyrillic code page; the rest of the program works in UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvella {

// One code page 1251 byte as a Unicode code point (all 256 bytes map; 0x98,
// undefined in the code page, maps to U+0098 so that every byte round-trips).
char32_t Символ_из_1251(std::uint8_t байт);

// The code page 1251 byte of a code point, or '?' when the page lacks it.
std::uint8_t Байт_1251(char32_t символ);

// Decodes UTF-8; a malformed sequence yields U+FFFD for its first byte.
std::u32string Из_UTF8(std::string_view текст);
std::string В_UTF8(std::u32string_view текст);
void Добавить_UTF8(std::string& куда, char32_t символ);

// Characters, not bytes: the "longer than N" checks of the list windows count these.
std::size_t Длина_в_символах(std::string_view utf8);

// Cuts a UTF-8 text to at most N characters.
std::string Обрезать_до_символов(std::string_view utf8, std::size_t N);

std::string Из_1251(std::string_view байты);
std::string В_1251(std::string_view utf8);

}  // namespace korvella
