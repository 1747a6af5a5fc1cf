// Building blocks of the main record: each one is laid over file bytes, so every
// type here is trivially copyable, has no padding of its own and an explicit width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/text_codec.h"

namespace korvella {

// An index outside its array is a programming error or damaged data: it throws
// std::out_of_range, so the enclosing guarded procedure reports it under its own
// name instead of reading past the record. The check is one well-predicted
// compare, so it stays on in every build.
[[noreturn, gnu::cold, gnu::noinline]] void Индекс_вне_границ(const char* условие);
#define KORVELLA_INDEX_CHECK(condition) \
  do {                                  \
    if (!(condition)) [[unlikely]]      \
      ::korvella::Индекс_вне_границ(#condition); \
  } while (false)

// A one-byte Boolean. Any byte other than 0 reads as true, so a damaged byte can
// never produce an invalid bool value.
struct Логическое {
  std::uint8_t байт;

  constexpr operator bool() const { return байт != 0; }
  constexpr Логическое& operator=(bool значение) {
    байт = значение ? 1 : 0;
    return *this;
  }
};
static_assert(sizeof(Логическое) == 1);

// string[N]: a length byte and N bytes of code page 1251.
template <std::size_t N>
struct Строка {
  static_assert(N >= 1 && N <= 255);
  std::uint8_t длина;
  char символы[N];

  // A length byte above N (a damaged file) is read as N.
  std::size_t Длина() const { return длина <= N ? длина : N; }
  std::string Байты() const { return std::string(символы, Длина()); }
  std::string Текст() const { return Из_1251(std::string_view(символы, Длина())); }

  // Stores a UTF-8 text cut to N characters.
  void Присвоить(std::string_view utf8) {
    const std::string байты = В_1251(Обрезать_до_символов(utf8, N));
    длина = static_cast<std::uint8_t>(байты.size());
    for (std::size_t i = 0; i < байты.size(); ++i) символы[i] = байты[i];
  }
  Строка& operator=(std::string_view utf8) {
    Присвоить(utf8);
    return *this;
  }
};
static_assert(sizeof(Строка<7>) == 8);
static_assert(sizeof(Строка<14>) == 15);

// A 1-based array [1..N].
template <class T, std::size_t N>
struct Вектор {
  T элементы[N];

  T& operator()(int i) {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= N);
    return элементы[i - 1];
  }
  const T& operator()(int i) const {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= N);
    return элементы[i - 1];
  }
  static constexpr int Размер() { return static_cast<int>(N); }
  T* begin() { return элементы; }
  T* end() { return элементы + N; }
  const T* begin() const { return элементы; }
  const T* end() const { return элементы + N; }
};

// A row-major 1-based array [1..R, 1..C].
template <class T, std::size_t R, std::size_t C>
struct Матрица {
  T элементы[R][C];

  T& operator()(int i, int j) {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= R);
    KORVELLA_INDEX_CHECK(j >= 1 && static_cast<std::size_t>(j) <= C);
    return элементы[i - 1][j - 1];
  }
  const T& operator()(int i, int j) const {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= R);
    KORVELLA_INDEX_CHECK(j >= 1 && static_cast<std::size_t>(j) <= C);
    return элементы[i - 1][j - 1];
  }
  static constexpr int Строк() { return static_cast<int>(R); }
  static constexpr int Столбцов() { return static_cast<int>(C); }
  void Обнулить() {
    for (auto& строка : элементы)
      for (auto& x : строка) x = T{};
  }
};

// A row-major 1-based array [1..A, 1..B, 1..C].
template <class T, std::size_t A, std::size_t B, std::size_t C>
struct Куб {
  T элементы[A][B][C];

  T& operator()(int i, int j, int k) {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= A);
    KORVELLA_INDEX_CHECK(j >= 1 && static_cast<std::size_t>(j) <= B);
    KORVELLA_INDEX_CHECK(k >= 1 && static_cast<std::size_t>(k) <= C);
    return элементы[i - 1][j - 1][k - 1];
  }
  const T& operator()(int i, int j, int k) const {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= A);
    KORVELLA_INDEX_CHECK(j >= 1 && static_cast<std::size_t>(j) <= B);
    KORVELLA_INDEX_CHECK(k >= 1 && static_cast<std::size_t>(k) <= C);
    return элементы[i - 1][j - 1][k - 1];
  }
};

// A row-major array [1..R, 0..C-1]: the cell-state grids keep a column 0.
template <class T, std::size_t R, std::size_t C>
struct Матрица_с_нулевым_столбцом {
  T элементы[R][C];

  T& operator()(int i, int j) {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= R);
    KORVELLA_INDEX_CHECK(j >= 0 && static_cast<std::size_t>(j) < C);
    return элементы[i - 1][j];
  }
  const T& operator()(int i, int j) const {
    KORVELLA_INDEX_CHECK(i >= 1 && static_cast<std::size_t>(i) <= R);
    KORVELLA_INDEX_CHECK(j >= 0 && static_cast<std::size_t>(j) < C);
    return элементы[i - 1][j];
  }
};

constexpr int kМаксимум_классов = 28;
constexpr int kМаксимум_часов = 36;

// Class x slot table [1..28 class, 1..36 slot] of int32; slot = (day - 1)·L + lesson.
using Таблица_класс_час = Матрица<std::int32_t, kМаксимум_классов, kМаксимум_часов>;
static_assert(sizeof(Таблица_класс_час) == 4032);

}  // namespace korvella
