// Step 15: the names of the streams and the one or two classes of each, with the
// dialog that puts a senior class into a class cell.
//
// The class cells write the record's streams table at once (the dialog checks
// against it); the names are stored by "Продолжить" and "Закончить".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/step_model.h"

namespace korvella {

class Модель_формирование_потоков;

// `Форма_выбор_класса_для_потока`: the list of the senior classes with their
// marks, opened for one class cell of step 15.
class Модель_выбор_класса_для_потока {
 public:
  static constexpr const char* kЗаголовок = "Выбор класса для потока";
  static constexpr const char* kСписок = "Список_старших_классов";
  static constexpr const char* kПункт_удаления = " ***** УДАЛИТЬ КЛАСС ИЗ ЯЧЕЙКИ ***** ";

  explicit Модель_выбор_класса_для_потока(Среда& среда) : среда_(среда) {}

  // Opens the list for slot 1 or 2 of stream s: the marks are recomputed first.
  void Открыть(int поток, int слот);
  // Item 0 removes the cell's class; item x is class x.
  const std::vector<std::string>& Список() const { return список_; }
  // Choosing an item: an included class is refused with the error window and the
  // dialog stays open (false); otherwise the cell takes the class, or none for
  // item 0, and the dialog closes (true).
  bool Выбрать(int пункт);

 private:
  Среда& среда_;
  int поток_ = 0;
  int слот_ = 0;
  std::vector<std::string> список_;
};

class Модель_формирование_потоков : public Модель_шага {
 public:
  static constexpr int kНомер = 15;
  static constexpr const char* kТаблица = "Таблица_формирования_потоков";
  static constexpr int kСтолбец_названия = 1;
  static constexpr int kСтолбец_первого_класса = 2;
  static constexpr int kСтолбец_второго_класса = 3;
  static constexpr std::uint32_t kЦвет_ячейки = 0xF2DD5F;
  static constexpr std::uint32_t kЦвет_названия_в_фокусе = 0xFCB93B;
  static constexpr std::uint32_t kЦвет_класса_в_фокусе = 0x5BB7E1;

  explicit Модель_формирование_потоков(Среда& среда)
      : Модель_шага(среда, kНомер), выбор_класса_(среда) {}

  // S + 1 rows: row 0 the heading, row s stream s.
  int Строк() const { return static_cast<int>(названия_.size()) + 1; }
  std::string Ячейка(int строка, int столбец) const;
  std::uint32_t Цвет_ячейки(int строка, int столбец, bool в_фокусе) const;
  static bool Столбец_класса(int столбец) {
    return столбец == kСтолбец_первого_класса || столбец == kСтолбец_второго_класса;
  }
  bool Изменить_название(int строка, std::string_view текст);

  // Double click or Enter on a class cell: the dialog's model, opened for that
  // cell; nullptr for any other cell or while input is closed.
  Модель_выбор_класса_для_потока* Открыть_выбор_класса(int строка, int столбец);

  // "Очистить": no class in any stream, every name cell empty.
  void Очистить();

 protected:
  void Сгенерировать() override;
  void Показать_данные() override;
  std::optional<Отказ> Проверить_и_сохранить() override;
  void Сохранить_без_проверки() override;

 private:
  void Сохранить_названия();
  void Убрать_потоки_без_классов();

  Модель_выбор_класса_для_потока выбор_класса_;
  std::vector<std::string> названия_;  // name cells of streams 1..S
};

}  // namespace korvella
