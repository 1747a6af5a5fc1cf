// The six tab frames of the main window. The program's frames are made in one
// place (app/program_windows.h), so that a view's real frame replaces the empty
// one by changing one line there.
#pragma once

#include <functional>

#include "shell/environment.h"
#include "shell/windows/tab_frame.h"

namespace korvella {

struct Фреймы_вкладок {
  Фрейм_вкладки_классов* классы = nullptr;    // "Расписание классов"
  Фрейм_вкладки* преподаватели = nullptr;     // "Расписание преподавателей"
  Фрейм_вкладки* кабинеты = nullptr;          // "Расписание кабинетов"
  Фрейм_вкладки* замены = nullptr;            // "Замены преподавателей"
  Фрейм_вкладки* расписание_замен = nullptr;  // "Расписание замен"
  Фрейм_вкладки* журнал_замен = nullptr;  // "Журнал замен преподавателей"
};

using Фабрика_фреймов_вкладок = std::function<Фреймы_вкладок(Среда&, QWidget* родитель)>;

// A tab whose view is not in the program yet: an empty area.
class Пустой_фрейм_вкладки : public Фрейм_вкладки {
 public:
  using Фрейм_вкладки::Фрейм_вкладки;
  void Обновить() override {}
};

class Пустой_фрейм_вкладки_классов : public Фрейм_вкладки_классов {
 public:
  using Фрейм_вкладки_классов::Фрейм_вкладки_классов;
  void Обновить() override {}
  void Очистка_вкладки_расписание_классов() override {}
  void Заполнение_разметки() override {}
  void Заполнение_названий_классов() override {}
  void Заполнение_санитарного_слоя() override {}
  void Заполнение_слоя_спецпомещений() override {}
  void Заполнение_слоя_совместителей() override {}
  void Заполнение_слоя_потоков() override {}
  void Заполнение_слоя_разделений() override {}
  void Заполнение_основного_слоя() override {}
};

// Every tab empty (window tests that do not look at the views).
Фреймы_вкладок Создать_пустые_фреймы_вкладок(Среда& среда, QWidget* родитель);

}  // namespace korvella
