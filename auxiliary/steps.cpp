#include "auxiliary/steps.h"

#include "auxiliary/part_time_calculation_step.h"
#include "auxiliary/part_time_days_bans_step.h"
#include "auxiliary/part_time_list_step.h"
#include "auxiliary/part_time_load_step.h"
#include "auxiliary/room_timetable_step.h"
#include "auxiliary/sanitary_step.h"
#include "auxiliary/special_room_load_step.h"
#include "auxiliary/special_rooms_step.h"
#include "auxiliary/stream_count_step.h"
#include "auxiliary/stream_forming_step.h"
#include "auxiliary/stream_load_step.h"
#include "auxiliary/streams_timetable_step.h"
#include "auxiliary/year_group_load_step.h"

namespace korvella {

void Зарегистрировать_вспомогательные_шаги(Реестр_шагов& реестр) {
  Зарегистрировать_модель<Модель_учебная_нагрузка_параллелей>(реестр, 4);
  // With the special-room task step 8 places the prohibitions; step 5 only says so.
  реестр.Зарегистрировать(5, [](Среда& с) -> std::unique_ptr<Модель_шага> {
    if (с.запись.Флаг_задачи_спецпомещений)
      return std::make_unique<Модель_объявления_санитарных_ограничений>(с);
    return std::make_unique<Модель_санитарные_ограничения>(с);
  });
  Зарегистрировать_модель<Модель_список_спецпомещений>(реестр, 6);
  Зарегистрировать_модель<Модель_нагрузка_классов_в_спецпомещениях>(реестр, 7);
  Зарегистрировать_модель<Модель_расписания_спецпомещений>(реестр, 8);
  Зарегистрировать_модель<Модель_список_совместителей>(реестр, 9);
  Зарегистрировать_модель<Модель_рабочих_дней_совместителей>(реестр, 10);
  Зарегистрировать_модель<Модель_запретов_первого_урока_совместителей>(реестр, 11);
  Зарегистрировать_модель<Модель_ТРПН_совместителей>(реестр, 12);
  Зарегистрировать_модель<Модель_расчета_расписания_совместителей>(реестр, 13);
  Зарегистрировать_модель<Модель_количество_старших_параллелей>(реестр, 14);
  Зарегистрировать_модель<Модель_формирование_потоков>(реестр, 15);
  Зарегистрировать_модель<Модель_формирование_нагрузки_потоков>(реестр, 16);
  Зарегистрировать_модель<Модель_расписание_для_потоков>(реестр, 17);
}

}  // namespace korvella
