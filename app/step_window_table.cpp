#include "app/program_windows.h"

#include "auxiliary/windows/part_time_bans_window.h"
#include "auxiliary/windows/part_time_calculation_window.h"
#include "auxiliary/windows/part_time_days_window.h"
#include "auxiliary/windows/part_time_list_window.h"
#include "auxiliary/windows/part_time_load_window.h"
#include "auxiliary/windows/room_timetable_window.h"
#include "auxiliary/windows/sanitary_window.h"
#include "auxiliary/windows/special_room_load_window.h"
#include "auxiliary/windows/special_rooms_window.h"
#include "auxiliary/windows/stream_count_window.h"
#include "auxiliary/windows/stream_forming_window.h"
#include "auxiliary/windows/stream_load_window.h"
#include "auxiliary/windows/streams_timetable_window.h"
#include "auxiliary/windows/year_group_load_window.h"
#include "entry/windows/base_parameters_window.h"
#include "entry/windows/class_list_window.h"
#include "entry/windows/staff_teachers_window.h"
#include "entry/windows/subject_list_window.h"
#include "entry/windows/task_list_window.h"
#include "entry/windows/year_groups_window.h"
#include "timetable/windows/competence_window.h"
#include "timetable/windows/curriculum_window.h"
#include "timetable/windows/distribution_window.h"
#include "timetable/windows/first_lesson_bans_window.h"
#include "timetable/windows/main_timetable_window.h"

// A step's own window: include its header above and change the step's line of
// the table to Создать_окно<TФорма_...>; Окно_по_модели<N> is the shell's default.

namespace korvella {

const Таблица_окон_шагов& Окна_шагов_программы() {
  static const Таблица_окон_шагов таблица = {
      /*  0 TФорма_список_решаемых_задач */ Создать_окно<TФорма_список_решаемых_задач>,
      /*  1 TФорма_базовые_параметры */ Создать_окно<TФорма_базовые_параметры>,
      /*  2 TФорма_количество_параллелей_в_школе */
      Создать_окно<TФорма_количество_параллелей_в_школе>,
      /*  3 TФорма_список_классов */ Создать_окно<TФорма_список_классов>,
      /*  4 TФорма_учебная_нагрузка_параллелей */ Создать_окно<TФорма_учебная_нагрузка_параллелей>,
      /*  5 TФорма_санитарные_ограничения */ Создать_окно<TФорма_санитарные_ограничения>,
      /*  6 TФорма_список_спецпомещений */ Создать_окно<TФорма_список_спецпомещений>,
      /*  7 TФорма_нагрузка_классов_в_спецпомещениях */
      Создать_окно<TФорма_нагрузка_классов_в_спецпомещениях>,
      /*  8 TФорма_расписание_спецпомещений */ Создать_окно<TФорма_расписание_спецпомещений>,
      /*  9 TФорма_список_совместителей */ Создать_окно<TФорма_список_совместителей>,
      /* 10 TФорма_таблица_рабочих_дней_совместителей */
      Создать_окно<TФорма_таблица_рабочих_дней_совместителей>,
      /* 11 TФорма_запреты_первого_урока_совместителей */
      Создать_окно<TФорма_запреты_первого_урока_совместителей>,
      /* 12 TФорма_ТРПН_совместителей */ Создать_окно<TФорма_ТРПН_совместителей>,
      /* 13 TФорма_расчета_расписания_совместителей */
      Создать_окно<TФорма_расчета_расписания_совместителей>,
      /* 14 TФорма_количество_старших_параллелей_объединяемых_в_потоки */
      Создать_окно<TФорма_количество_старших_параллелей_объединяемых_в_потоки>,
      /* 15 TФорма_формирование_потоков */ Создать_окно<TФорма_формирование_потоков>,
      /* 16 TФорма_формирование_нагрузки_потоков */
      Создать_окно<TФорма_формирование_нагрузки_потоков>,
      /* 17 TФорма_расписание_для_потоков */ Создать_окно<TФорма_расписание_для_потоков>,
      /* 18 TФорма_учебный_план_для_разделений */ Окно_по_модели<18>,
      /* 19 TФорма_расчет_количества_преподавателей */ Окно_по_модели<19>,
      /* 20 TФорма_список_преподавателей_и_запреты */ Окно_по_модели<20>,
      /* 21 TФорма_распределение_пед_нагрузки_с_разделениями */ Окно_по_модели<21>,
      /* 22 TФорма_расчет_для_разделений */ Окно_по_модели<22>,
      /* 23 TФорма_список_предметов_без_разделений */
      Создать_окно<TФорма_список_предметов_без_разделений>,
      /* 24 TФорма_нераспределенный_учебный_план */
      Создать_окно<TФорма_нераспределенный_учебный_план>,
      /* 25 TФорма_список_преподавателей_без_разделений */
      Создать_окно<TФорма_список_преподавателей_без_разделений>,
      /* 26 TФорма_таблица_компетентности */ Создать_окно<TФорма_таблица_компетентности>,
      /* 27 TФорма_распределение_пед_нагрузки */ Создать_окно<TФорма_распределение_пед_нагрузки>,
      /* 28 TФорма_запреты_на_первый_урок */ Создать_окно<TФорма_запреты_на_первый_урок>,
      /* 29 TФорма_расчета_без_разделений */ Создать_окно<TФорма_расчета_без_разделений>,
  };
  return таблица;
}

}  // namespace korvella
