#include "views/cell_detail.h"

namespace korvella {

bool Подробности_ячейки::Показать(const Строковая_таблица& таблица, Диалоги& диалоги) const {
  if (строка_ <= 0 || столбец_ <= 1) return false;
  const std::string& текст = таблица.Текст_текущей();
  диалоги.Сообщение(текст.empty() ? текст_пустой_ : std::string_view(текст));
  return true;
}

}  // namespace korvella
