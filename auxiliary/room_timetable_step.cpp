#include "auxiliary/room_timetable_step.h"

namespace korvella {

void Модель_расписания_спецпомещений::Показать_данные() {
  надпись_ = kТекст_приглашения;
  вторая_надпись_ = kВторой_текст_приглашения;
  ход_ = {};
}

Модель_расчётного_шага::Итог Модель_расписания_спецпомещений::Выполнить_расчёт() {
  auto& з = запись();
  надпись_ = "Идет расчет расписания, придется подожнать ...";
  вторая_надпись_.clear();
  Обнуление_всех_таблиц_запрещений(з);
  ход_ = Алгоритм_перестановок(з);
  // Whatever rested on the old tables is gone with them: the special-room
  // teachers are assigned anew, and after a failure no prohibitions exist.
  з.Готово_расписание_спецпреподавателей = false;
  з.Готовы_санитарные_ограничения = !ход_.неудача;
  if (ход_.неудача) {
    надпись_ = kТекст_неудачи;
    вторая_надпись_ = kВторой_текст_неудачи;
    return Итог::Неудача;
  }
  надпись_ = "Готово ...";
  return Итог::Готово;
}

std::string Модель_расписания_спецпомещений::Сводка_расчёта() const {
  std::string т = "passes " + std::to_string(ход_.проходов) + ", attempts " +
                  std::to_string(ход_.попыток) + ", day failures " +
                  std::to_string(ход_.отказов_дней);
  if (ход_.слишком_много_отказов)
    т += ", too many day failures";
  else if (ход_.санитарная_неудача)
    т += ", the sanitary prohibitions could not be placed";
  else if (ход_.проверка_не_прошла)
    т += ", the week failed its checks";
  return т;
}

}  // namespace korvella
