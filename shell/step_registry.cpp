#include "shell/step_registry.h"

namespace korvella {
namespace {

// A calculation step whose algorithm is not in the program yet. It never
// pretends to have calculated, and the chain cannot go past it: a timetable
// that silently lacks a chosen task would look finished.
class Модель_неподключённого_расчёта : public Модель_расчётного_шага {
 public:
  using Модель_расчётного_шага::Модель_расчётного_шага;
  std::string Сводка_расчёта() const override { return "not in the program yet"; }

 protected:
  Итог Выполнить_расчёт() override { return Итог::Неудача; }
  std::optional<Отказ> Проверить_и_сохранить() override {
    return Отказ{kРасчёт_не_подключён, {}};
  }
};

}  // namespace

void Реестр_шагов::Зарегистрировать(int номер, Фабрика_модели_шага фабрика) {
  KORVELLA_INDEX_CHECK(номер >= 0 && номер < kКоличество_шагов);
  фабрики_[номер] = std::move(фабрика);
}

std::unique_ptr<Модель_шага> Реестр_шагов::Создать(int номер, Среда& среда) const {
  KORVELLA_INDEX_CHECK(номер >= 0 && номер < kКоличество_шагов);
  if (фабрики_[номер]) return фабрики_[номер](среда);
  if (Расчётный_шаг(номер)) return std::make_unique<Модель_неподключённого_расчёта>(среда, номер);
  return std::make_unique<Модель_шага>(среда, номер);
}

bool Реестр_шагов::Зарегистрирован(int номер) const {
  KORVELLA_INDEX_CHECK(номер >= 0 && номер < kКоличество_шагов);
  return static_cast<bool>(фабрики_[номер]);
}

}  // namespace korvella
