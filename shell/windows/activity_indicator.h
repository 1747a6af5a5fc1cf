// A spinning activity indicator for work of unknown length: a sector turning
// round a disc, or a ring whose bright arc turns.
#pragma once

#include <QWidget>

class QTimer;

namespace korvella {

class Индикатор_активности : public QWidget {
 public:
  enum class Вид { Сектор, Кольцо };

  Индикатор_активности(Вид вид, int размер, QWidget* родитель = nullptr);

  void Запустить();
  void Остановить();
  bool Вращается() const;

 protected:
  void paintEvent(QPaintEvent* событие) override;

 private:
  void Нарисовать();

  Вид вид_;
  QTimer* таймер_;
  int угол_ = 90;
};

}  // namespace korvella
