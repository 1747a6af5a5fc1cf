#include "cli/options.h"

#include <charconv>

namespace korvella::cli {

std::optional<std::string> Параметры::Значение(std::string_view опция) const {
  const auto it = опции.find(std::string(опция));
  if (it == опции.end()) return std::nullopt;
  return it->second;
}

std::optional<std::int64_t> Параметры::Число(std::string_view опция) const {
  const auto значение = Значение(опция);
  if (!значение) return std::nullopt;
  std::int64_t число = 0;
  const auto [конец, ошибка] =
      std::from_chars(значение->data(), значение->data() + значение->size(), число);
  if (ошибка != std::errc() || конец != значение->data() + значение->size()) return std::nullopt;
  return число;
}

std::string Неотрицательное_целое(const std::string& значение) {
  std::uint64_t число = 0;
  const auto [конец, ошибка] =
      std::from_chars(значение.data(), значение.data() + значение.size(), число);
  if (значение.empty() || ошибка != std::errc() || конец != значение.data() + значение.size() ||
      число > static_cast<std::uint64_t>(INT64_MAX))
    return "takes a non-negative integer";
  return {};
}

std::string Непустое(const std::string& значение) {
  return значение.empty() ? "takes a non-empty value" : "";
}

const std::vector<Опция>& Общие_опции() {
  static const std::vector<Опция> опции = {
      {"--data-dir", "DIR", "the working folder; the files lie in DIR/ZRB_Lab/ZRB_Korvella_025",
       Непустое},
  };
  return опции;
}

namespace {

const Опция* Найти(const std::vector<Опция>& опции, const std::string& имя) {
  for (const Опция& о : опции)
    if (имя == о.имя) return &о;
  return nullptr;
}

}  // namespace

std::optional<Параметры> Разобрать(int argc, char** argv, Опции_команды опции_команды,
                                   std::string& ошибка) {
  Параметры п;
  const std::vector<Опция>* своих = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string слово = argv[i];
    if (слово == "-h" || слово == "--help" || (слово == "help" && п.команда.empty())) {
      п = Параметры{};
      п.команда = "help";
      return п;
    }
    if (слово.size() > 1 && слово[0] == '-') {
      const Опция* опция = Найти(Общие_опции(), слово);
      if (!опция && своих) опция = Найти(*своих, слово);
      if (!опция) {
        ошибка = п.команда.empty() ? "unknown option " + слово + " before the command"
                                   : слово + " is not an option of " + п.команда;
        return std::nullopt;
      }
      if (п.Есть(слово)) {
        ошибка = слово + " is given twice";
        return std::nullopt;
      }
      std::string значение;
      if (опция->значение) {
        if (i + 1 >= argc) {
          ошибка = слово + " needs a value (" + опция->значение + ")";
          return std::nullopt;
        }
        значение = argv[++i];
        if (опция->проверить) {
          if (const std::string т = опция->проверить(значение); !т.empty()) {
            ошибка = слово + " " + т;
            return std::nullopt;
          }
        }
      }
      п.опции[слово] = значение;
    } else if (п.команда.empty()) {
      своих = опции_команды(слово);
      if (!своих) {
        ошибка = "unknown command " + слово;
        return std::nullopt;
      }
      п.команда = слово;
    } else {
      п.слова.push_back(слово);
    }
  }
  if (п.команда.empty()) {
    ошибка = "no command";
    return std::nullopt;
  }
  return п;
}

}  // namespace korvella::cli
