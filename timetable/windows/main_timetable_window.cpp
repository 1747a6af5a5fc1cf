#include "timetable/windows/main_timetable_window.h"

#include <QLabel>

namespace korvella {
namespace {

// The labels' left edges of the original layout; 105 is the leftmost of them.
constexpr int kСамый_левый_край = 105;

}  // namespace

TФорма_расчета_без_разделений::TФорма_расчета_без_разделений(Среда& среда, QWidget* родитель)
    : Окно_расчёта(среда, std::make_unique<Модель_основного_расписания>(среда), родитель,
                   {.кнопка_остановки = true, .секундомер = true, .кнопка_продолжить = false}) {}

std::string TФорма_расчета_без_разделений::Текст_приглашения() const {
  return Модель_основного_расписания::Текст_приглашения();
}

void TФорма_расчета_без_разделений::Загрузить_из_модели() {
  Окно_расчёта::Загрузить_из_модели();
  Показать_надписи();
}

void TФорма_расчета_без_разделений::При_тике_секундомера() {
  Надпись_на_форме()->setText(
      QString::fromStdString(Модель_основного_расписания::Текст_хода_расчёта()));
}

void TФорма_расчета_без_разделений::После_расчёта(Итог итог) {
  Окно_расчёта::После_расчёта(итог);
  // A shortage of teachers is a failure without the success display.
  Показать_надписи();
}

void TФорма_расчета_без_разделений::Показать_надписи() {
  const auto& м = Модель_расписания();
  const int отступ = std::max(0, м.Левый_край_надписи() - kСамый_левый_край);
  Надпись_на_форме()->setIndent(отступ);
  Вторая_надпись()->setIndent(отступ);
  Надпись_на_форме()->setText(QString::fromStdString(м.Надпись_на_форме()));
  Вторая_надпись()->setText(QString::fromStdString(м.Вторая_надпись_на_форме()));
}

}  // namespace korvella
