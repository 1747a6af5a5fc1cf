// A small well-formedness check for the workbook the views write: balanced
// elements, quoted attributes, one root, and no '&' or '<' outside markup that is
// not an entity. Enough to catch what a careless writer breaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvella::тест {

inline bool Имя_символ(char c) {
  return c == ':' || c == '_' || c == '-' || c == '.' || (c >= 'a' && c <= 'z') ||
         (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

inline bool Сущность_допустима(std::string_view т, std::size_t i) {
  for (std::string_view с : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"})
    if (т.substr(i, с.size()) == с) return true;
  return false;
}

// Empty when well-formed, else what went wrong and where.
inline std::string Ошибка_XML(std::string_view т) {
  std::vector<std::string> открытые;
  int корней = 0;
  std::size_t i = 0;
  auto Ошибка = [&](const std::string& что) { return что + " at " + std::to_string(i); };
  auto Пробелы = [&] {
    while (i < т.size() && (т[i] == ' ' || т[i] == '\r' || т[i] == '\n' || т[i] == '\t')) ++i;
  };
  auto Имя = [&] {
    const std::size_t начало = i;
    while (i < т.size() && Имя_символ(т[i])) ++i;
    return std::string(т.substr(начало, i - начало));
  };
  while (i < т.size()) {
    if (т[i] == '&') {
      if (!Сущность_допустима(т, i)) return Ошибка("bare &");
      ++i;
      continue;
    }
    if (т[i] != '<') {
      if (открытые.empty() && т[i] != ' ' && т[i] != '\r' && т[i] != '\n')
        return Ошибка("text outside the root");
      ++i;
      continue;
    }
    if (т.substr(i, 2) == "<?") {
      const auto конец = т.find("?>", i);
      if (конец == std::string_view::npos) return Ошибка("open processing instruction");
      i = конец + 2;
      continue;
    }
    if (т.substr(i, 2) == "</") {
      i += 2;
      const std::string имя = Имя();
      Пробелы();
      if (i >= т.size() || т[i] != '>') return Ошибка("bad end tag");
      ++i;
      if (открытые.empty() || открытые.back() != имя) return Ошибка("unmatched </" + имя + ">");
      открытые.pop_back();
      continue;
    }
    ++i;
    const std::string имя = Имя();
    if (имя.empty()) return Ошибка("bad tag name");
    if (открытые.empty() && ++корней > 1) return Ошибка("second root");
    for (;;) {
      Пробелы();
      if (i >= т.size()) return Ошибка("open tag");
      if (т.substr(i, 2) == "/>") {
        i += 2;
        break;
      }
      if (т[i] == '>') {
        ++i;
        открытые.push_back(имя);
        break;
      }
      if (Имя().empty()) return Ошибка("bad attribute");
      Пробелы();
      if (i + 1 >= т.size() || т[i] != '=' || т[i + 1] != '"') return Ошибка("unquoted attribute");
      i += 2;
      for (; i < т.size() && т[i] != '"'; ++i) {
        if (т[i] == '<') return Ошибка("< in attribute");
        if (т[i] == '&' && !Сущность_допустима(т, i)) return Ошибка("bare & in attribute");
      }
      if (i >= т.size()) return Ошибка("open attribute");
      ++i;
    }
  }
  if (!открытые.empty()) return "unclosed <" + открытые.back() + ">";
  if (корней != 1) return "no root";
  return {};
}

}  // namespace korvella::тест
