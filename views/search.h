// The substring search over the class grid ("Поиск подстроки"). The cells of the
// week are numbered row by row, day by day; each "Найти" continues after the last
// match, and the match count runs on across edits of the text until the dialog is
// shown again.
#pragma once

#include <string>
#include <string_view>

#include "core/dialogs.h"
#include "core/main_record.h"
#include "views/string_grid.h"

namespace korvella {

// Letter case folded for the search: Latin and every Cyrillic letter of code page 1251.
std::string Без_регистра(std::string_view текст);

class Поиск_подстроки {
 public:
  enum class Фокус { Поле_ввода, Кнопка_закрыть, Таблица_классов };

  // On show: the grid to scan has C·L rows of D days.
  void Показ(const тип_Главная_запись& з);
  // Every change of the edit.
  void Изменение_текста();
  // "Найти" / "Искать далее"; moves the grid's current cell to the match.
  void Найти(std::string_view подстрока, Строковая_таблица& таблица, Диалоги& диалоги);
  // Esc or "Закрыть".
  void Закрыть() { фокус_ = Фокус::Таблица_классов; }

  const std::string& Надпись() const { return надпись_; }
  const std::string& Заголовок_кнопки() const { return заголовок_кнопки_; }
  bool Кнопка_доступна() const { return кнопка_доступна_; }
  Фокус Куда_фокус() const { return фокус_; }
  int Найдено() const { return найдено_; }

 private:
  void Сбросить_позицию();

  int строк_ = 0;
  int дней_ = 0;
  int позиция_ = 0;  // number of the cell of the last match
  int строка_ = 0;
  int день_ = 0;
  int найдено_ = 0;
  std::string надпись_;
  std::string заголовок_кнопки_ = "Найти";
  bool кнопка_доступна_ = true;
  Фокус фокус_ = Фокус::Поле_ввода;
};

}  // namespace korvella
