#include "core/text_codec.h"

#include <array>

namespace korvella {
namespace {

// Bytes 0x80..0xFF of code page 1251.
constexpr std::array<char16_t, 128> kВерхняя_половина = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411,
    0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C,
    0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432,
    0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D,
    0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448,
    0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

constexpr char32_t kЗамена = 0xFFFD;

// Reads one code point at i and advances i; never reads past the end.
char32_t Следующий_символ(std::string_view т, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(т[i]);
  int хвост = 0;
  char32_t c = 0;
  if (b0 < 0x80) {
    ++i;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    хвост = 1, c = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    хвост = 2, c = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    хвост = 3, c = b0 & 0x07;
  } else {
    ++i;
    return kЗамена;
  }
  if (i + хвост >= т.size()) {  // cut off at the end
    ++i;
    return kЗамена;
  }
  for (int k = 1; k <= хвост; ++k) {
    const auto b = static_cast<unsigned char>(т[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kЗамена;
    }
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kНаименьший[] = {0, 0x80, 0x800, 0x10000};
  if (c < kНаименьший[хвост] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kЗамена;
  }
  i += хвост + 1;
  return c;
}

}  // namespace

char32_t Символ_из_1251(std::uint8_t байт) {
  return байт < 0x80 ? char32_t{байт} : char32_t{kВерхняя_половина[байт - 0x80]};
}

std::uint8_t Байт_1251(char32_t символ) {
  if (символ < 0x80) return static_cast<std::uint8_t>(символ);
  if (символ >= 0x0410 && символ <= 0x044F) return static_cast<std::uint8_t>(символ - 0x0410 + 0xC0);
  for (std::size_t k = 0; k < 64; ++k) {
    if (kВерхняя_половина[k] == символ) return static_cast<std::uint8_t>(0x80 + k);
  }
  return '?';
}

std::u32string Из_UTF8(std::string_view текст) {
  std::u32string результат;
  результат.reserve(текст.size());
  for (std::size_t i = 0; i < текст.size();) результат.push_back(Следующий_символ(текст, i));
  return результат;
}

void Добавить_UTF8(std::string& куда, char32_t c) {
  if (c < 0x80) {
    куда.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    куда.push_back(static_cast<char>(0xC0 | (c >> 6)));
    куда.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    куда.push_back(static_cast<char>(0xE0 | (c >> 12)));
    куда.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    куда.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    куда.push_back(static_cast<char>(0xF0 | (c >> 18)));
    куда.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    куда.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    куда.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string В_UTF8(std::u32string_view текст) {
  std::string результат;
  результат.reserve(текст.size() * 2);
  for (char32_t c : текст) Добавить_UTF8(результат, c);
  return результат;
}

std::size_t Длина_в_символах(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size(); ++n) Следующий_символ(utf8, i);
  return n;
}

std::string Обрезать_до_символов(std::string_view utf8, std::size_t N) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < N && i < utf8.size(); ++n) Следующий_символ(utf8, i);
  return std::string(utf8.substr(0, i));
}

std::string Из_1251(std::string_view байты) {
  std::string результат;
  результат.reserve(байты.size() * 2);
  for (char b : байты) Добавить_UTF8(результат, Символ_из_1251(static_cast<std::uint8_t>(b)));
  return результат;
}

std::string В_1251(std::string_view utf8) {
  std::string результат;
  результат.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    результат.push_back(static_cast<char>(Байт_1251(Следующий_символ(utf8, i))));
  }
  return результат;
}

}  // namespace korvella
