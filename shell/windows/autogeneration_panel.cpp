#include "shell/windows/autogeneration_panel.h"
#include "shell/windows/exception_reporter.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace korvella {

Панель_автогенерации::Панель_автогенерации(QWidget* родитель) : QFrame(родитель) {
  setObjectName("Панель_на_панели_управления");
  setCursor(Qt::PointingHandCursor);
  auto* ряд = new QHBoxLayout(this);
  ряд->setContentsMargins(4, 2, 6, 2);
  ряд->setSpacing(6);
  картинка_ = new QLabel(this);
  картинка_->setObjectName("Картинка_панели_управления");
  картинка_->setFixedSize(32, 32);
  надпись_ = new QLabel("Автогенерация данных", this);
  надпись_->setObjectName("Надпись_панели_управления");
  ряд->addWidget(картинка_);
  ряд->addWidget(надпись_);
  Подсветить(false);
  Показать_режим(true);
}

void Панель_автогенерации::Показать_режим(bool включён) {
  const char* файл = включён ? ":/images/widgets_on.png" : ":/images/widgets_off.png";
  if (QFile::exists(файл)) картинка_->setPixmap(QPixmap(файл));
}

void Панель_автогенерации::Подсветить(bool подсветка) {
  подсвечена_ = подсветка;
  // The object name keeps the style to this panel, not to its labels.
  setStyleSheet(подсветка ? "#Панель_на_панели_управления { background: #D3E8FF;"
                            " border: 1px solid #3399FF; border-radius: 2px; }"
                          : "#Панель_на_панели_управления { background: palette(button);"
                            " border: 1px solid transparent; }");
}

void Панель_автогенерации::mousePressEvent(QMouseEvent* событие) {
  Обработать_событие([&] {
    if (событие->button() != Qt::LeftButton) return QFrame::mousePressEvent(событие);
    Подсветить(false);
    if (при_щелчке_) при_щелчке_();
  });
}

void Панель_автогенерации::enterEvent(QEnterEvent*) {
  Обработать_событие([&] { Подсветить(true); });
}
void Панель_автогенерации::leaveEvent(QEvent*) {
  Обработать_событие([&] { Подсветить(false); });
}

}  // namespace korvella
