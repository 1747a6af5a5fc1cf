#include "auxiliary/windows/streams_timetable_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace korvella {

using М = Модель_расписание_для_потоков;

TФорма_расписание_для_потоков::TФорма_расписание_для_потоков(Среда& среда, QWidget* родитель)
    : Окно_расчёта(среда, std::make_unique<М>(среда), родитель) {}

// The question and the failure text each fit on one line of the window's font.
void TФорма_расписание_для_потоков::Построить_дополнительные_элементы(QWidget*) {
  const QFontMetrics метрики(Надпись_на_форме()->font());
  Надпись_на_форме()->setMinimumWidth(
      std::max(метрики.horizontalAdvance(QString::fromUtf8(М::kТекст_приглашения)),
               метрики.horizontalAdvance(QString::fromUtf8(М::kТекст_неудачи))) +
      8);
}

std::string TФорма_расписание_для_потоков::Текст_приглашения() const {
  return М::kТекст_приглашения;
}

std::string TФорма_расписание_для_потоков::Текст_неудачи() const { return М::kТекст_неудачи; }

// The failure is said in one line.
std::string TФорма_расписание_для_потоков::Второй_текст_неудачи() const { return {}; }

}  // namespace korvella
