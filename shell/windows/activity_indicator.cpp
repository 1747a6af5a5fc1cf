#include "shell/windows/activity_indicator.h"

#include <QPainter>
#include <QPalette>
#include <QTimer>

#include "shell/windows/exception_reporter.h"

namespace korvella {

Индикатор_активности::Индикатор_активности(Вид вид, int размер, QWidget* родитель)
    : QWidget(родитель), вид_(вид), таймер_(new QTimer(this)) {
  setFixedSize(размер, размер);
  таймер_->setInterval(40);
  connect(таймер_, &QTimer::timeout, this, Обработчик([this] {
            угол_ = (угол_ + 360 - 12) % 360;
            update();
          }));
}

void Индикатор_активности::Запустить() { таймер_->start(); }
void Индикатор_активности::Остановить() { таймер_->stop(); }
bool Индикатор_активности::Вращается() const { return таймер_->isActive(); }

void Индикатор_активности::paintEvent(QPaintEvent*) {
  Обработать_событие([&] { Нарисовать(); });
}

void Индикатор_активности::Нарисовать() {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor цвет = palette().color(QPalette::Highlight);
  const qreal толщина = width() / 8.0;
  const QRectF поле = QRectF(rect()).adjusted(толщина, толщина, -толщина, -толщина);
  if (вид_ == Вид::Сектор) {
    p.setPen(Qt::NoPen);
    p.setBrush(цвет.lighter(185));
    p.drawEllipse(поле);
    p.setBrush(цвет);
    p.drawPie(поле, угол_ * 16, 60 * 16);
  } else {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(цвет.lighter(185), толщина, Qt::SolidLine, Qt::FlatCap));
    p.drawEllipse(поле);
    p.setPen(QPen(цвет, толщина, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(поле, угол_ * 16, 100 * 16);
  }
}

}  // namespace korvella
