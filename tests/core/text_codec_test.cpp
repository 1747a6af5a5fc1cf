#include "core/text_codec.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace korvella {
namespace {

TEST(Кодовая_страница_1251, все_256_байтов_проходят_туда_и_обратно) {
  std::string все;
  for (int b = 0; b < 256; ++b) все.push_back(static_cast<char>(b));
  const std::string utf8 = Из_1251(все);
  EXPECT_EQ(В_1251(utf8), все);
  EXPECT_EQ(Длина_в_символах(utf8), 256u);
}

TEST(Кодовая_страница_1251, опорные_буквы) {
  struct Случай {
    std::uint8_t байт;
    char32_t символ;
  };
  for (auto [байт, символ] : {Случай{0xC0, U'А'}, Случай{0xFF, U'я'}, Случай{0xA8, U'Ё'},
                              Случай{0xB8, U'ё'}, Случай{0xB9, U'№'}, Случай{0xAB, U'«'},
                              Случай{0xBB, U'»'}, Случай{0x96, U'–'}, Случай{0x20, U' '}}) {
    EXPECT_EQ(Символ_из_1251(байт), символ) << int(байт);
    EXPECT_EQ(Байт_1251(символ), байт) << int(байт);
  }
}

TEST(Кодовая_страница_1251, чужой_символ_становится_вопросом) {
  EXPECT_EQ(В_1251("a€b中"), std::string("a\x88" "b?"));
}

TEST(UTF8, испорченные_последовательности_не_ломают_разбор) {
  for (std::string плохое : {std::string("\xD0"), std::string("\xE2\x82"), std::string("\xFF"),
                             std::string("\xC0\x80"), std::string("\xED\xA0\x80")}) {
    const auto символы = Из_UTF8(плохое);
    ASSERT_FALSE(символы.empty());
    EXPECT_EQ(символы[0], U'\uFFFD');
  }
  EXPECT_EQ(Обрезать_до_символов("Жук\xD0", 10), "Жук\xD0");
  EXPECT_EQ(Обрезать_до_символов("Жук", 2), "Жу");
}

TEST(Удаление_лишних_пробелов, сводит_пробелы_к_одному) {
  struct Случай {
    const char* было;
    const char* стало;
  };
  for (auto [было, стало] : {Случай{"раз  два   три", "раз два три"}, Случай{"  слово", " слово"},
                             Случай{"слово    ", "слово "}, Случай{"", ""},
                             Случай{"без_пробелов", "без_пробелов"}}) {
    EXPECT_EQ(Удаление_лишних_пробелов(было), стало) << было;
  }
}

}  // namespace
}  // namespace korvella
