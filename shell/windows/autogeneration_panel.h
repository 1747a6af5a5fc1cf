// The tool-bar panel that shows and switches the autogeneration mode: a 32×32
// picture and the label "Автогенерация данных". A click anywhere on it asks the
// main window to switch; the pointer over it paints it light blue.
#pragma once

#include <QFrame>
#include <functional>

class QLabel;

namespace korvella {

class Панель_автогенерации : public QFrame {
 public:
  explicit Панель_автогенерации(QWidget* родитель = nullptr);

  void При_щелчке(std::function<void()> действие) { при_щелчке_ = std::move(действие); }
  void Показать_режим(bool включён);
  void Подсветить(bool подсветка);
  bool Подсвечена() const { return подсвечена_; }
  QLabel* Картинка_панели_управления() const { return картинка_; }

 protected:
  void mousePressEvent(QMouseEvent* событие) override;
  void enterEvent(QEnterEvent* событие) override;
  void leaveEvent(QEvent* событие) override;

 private:
  QLabel* картинка_;
  QLabel* надпись_;
  std::function<void()> при_щелчке_;
  bool подсвечена_ = false;
};

}  // namespace korvella
