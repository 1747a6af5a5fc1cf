#include "shell/windows/step_windows.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/windows/calculation_window.h"

namespace korvella {
namespace {

// The window of a calculation step that has no algorithm in the program yet (the
// registry's refusing model): it says so instead of pretending to have calculated.
class Окно_неподключённого_расчёта : public Окно_расчёта {
 public:
  using Окно_расчёта::Окно_расчёта;

 protected:
  std::string Текст_неудачи() const override {
    return "Расчет для этого шага еще не подключен к программе.";
  }
  std::string Второй_текст_неудачи() const override {
    return "Продолжить решение задачи нельзя; нажмите «Закончить».";
  }
};

// A step whose own window is not written yet: its name and the two buttons.
class Окно_шага_без_элементов : public Окно_шага {
 public:
  using Окно_шага::Окно_шага;

 protected:
  void Построить_элементы(QWidget* область) override {
    auto* столбец = new QVBoxLayout(область);
    auto* название =
        new QLabel(QString::fromStdString(Названия_шагов()[Номер()]).trimmed(), область);
    название->setObjectName("Надпись_название_шага");
    название->setWordWrap(true);
    QFont жирный = название->font();
    жирный.setBold(true);
    название->setFont(жирный);
    столбец->addWidget(название);
    столбец->addStretch(1);
    resize(std::max(640, fontMetrics().horizontalAdvance(windowTitle()) + 160), 160);
  }
};

Вид_окна_расчёта Вид_расчётного_шага(int номер) {
  Вид_окна_расчёта вид;
  if (номер == 5) вид.кнопка_расчёта = "Сформировать";
  if (номер == 22 || номер == 29) {
    вид.кнопка_остановки = true;
    вид.секундомер = true;
  }
  if (номер == 29) вид.кнопка_продолжить = false;
  return вид;
}

}  // namespace

Окно_шага* Окно_по_модели(int номер, Среда& среда, const Реестр_шагов& реестр, QWidget* родитель) {
  std::unique_ptr<Модель_шага> модель = реестр.Создать(номер, среда);
  if (!Расчётный_шаг(номер)) return new Окно_шага_без_элементов(std::move(модель), родитель);
  auto* расчёт = dynamic_cast<Модель_расчётного_шага*>(модель.get());
  KORVELLA_INDEX_CHECK(расчёт != nullptr);
  модель.release();
  std::unique_ptr<Модель_расчётного_шага> своя(расчёт);
  if (!реестр.Зарегистрирован(номер))
    return new Окно_неподключённого_расчёта(среда, std::move(своя), родитель,
                                            Вид_расчётного_шага(номер));
  return new Окно_расчёта(среда, std::move(своя), родитель, Вид_расчётного_шага(номер));
}

const Таблица_окон_шагов& Окна_шагов_по_моделям() {
  static const Таблица_окон_шагов таблица = [] {
    Таблица_окон_шагов т;
    for (int i = 0; i < kКоличество_шагов; ++i) {
      т[i] = [i](Среда& с, const Реестр_шагов& р, QWidget* п) {
        return Окно_по_модели(i, с, р, п);
      };
    }
    return т;
  }();
  return таблица;
}

Окна_шагов::Окна_шагов(Среда& среда, const Реестр_шагов& реестр, QWidget* родитель,
                       const Таблица_окон_шагов& таблица) {
  static constexpr int kПорядок_создания[kКоличество_шагов] = {
      1,  3,  9,  10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21, 22,
      24, 26, 27, 28, 29, 0,  5,  7,  8,  6,  2,  14, 4,  23, 25};
  for (int номер : kПорядок_создания) {
    Окно_шага* окно = таблица[номер](среда, реестр, родитель);
    KORVELLA_INDEX_CHECK(окно != nullptr && окно->Номер() == номер);
    окно->Построить();
    окна_[номер] = окно;
  }
}

Окна_шагов::~Окна_шагов() {
  // Windows with a parent go with it; the others are ours.
  for (auto& окно : окна_) {
    if (окно && окно->parent() == nullptr) delete окно.data();
  }
}

Окно_шага& Окна_шагов::Окно(int номер) const {
  KORVELLA_INDEX_CHECK(номер >= 0 && номер < kКоличество_шагов && окна_[номер]);
  return *окна_[номер];
}

void Окна_шагов::Показать(int номер) { Окно(номер).Показать_модально(); }

}  // namespace korvella
