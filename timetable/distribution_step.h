// Step 27: the load table with its teachers. Generated on the first visit; the
// operator may move single rows to other teachers through the teacher pick list.
#pragma once

#include <optional>
#include <string>

#include "shell/step_model.h"
#include "timetable/competence_grid.h"
#include "timetable/load_distribution_pick_list.h"

namespace korvella {

class Модель_распределения_нагрузки : public Модель_шага {
 public:
  static constexpr int kНомер = 27;
  static constexpr const char* kТаблица = "Таблица_распределения_педагогической_нагрузки";
  static constexpr int kСтолбец_преподавателя = 4;
  // A teacher from this load on is painted red.
  static constexpr int kКрасная_нагрузка = 27;

  explicit Модель_распределения_нагрузки(Среда& среда);

  int Строк_нагрузки() const;
  int Преподавателей() const;
  // Passes of the last generation (0: none ran or it failed).
  int Проходов() const { return проходов_; }

  int Строк() const { return Строк_нагрузки() + 1; }
  static constexpr int Столбцов() { return 5; }
  static int Ширина_столбца(int столбец);
  Вид_ячейки_сетки Ячейка(int строка, int столбец) const;

  void Выбрать(int строка);
  int Выбранная_строка() const { return строка_; }

  // Double click or Enter on a teacher cell while the grid is editable.
  std::optional<Модель_выбора_преподавателя> Начать_выбор(int строка, int столбец);
  // After the pick list changed a row: the loads shown in the list follow.
  void После_назначения();

  // "Очистить": no row has a teacher, nobody has hours.
  void Очистить();

 protected:
  bool Генерация_до_записи_номера() const override { return true; }
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;

 private:
  bool неудача_ = false;
  int проходов_ = 0;
  int строка_ = 1;
};

}  // namespace korvella
