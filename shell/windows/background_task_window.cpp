#include "shell/windows/background_task_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace korvella {

Окно_фоновой_задачи::Окно_фоновой_задачи(const Вид_окна_задачи& вид, QWidget* родитель)
    : QDialog(родитель), картинка_(вид.картинка) {
  setObjectName(вид.имя_окна);
  setWindowTitle(вид.заголовок);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setModal(true);

  auto* ряд = new QHBoxLayout(this);
  надпись_картинки_ = new QLabel(this);
  надпись_картинки_->setObjectName(QString(вид.картинка).chopped(4));
  надпись_картинки_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  ряд->addWidget(надпись_картинки_);
  auto* столбец = new QVBoxLayout;
  ряд->addLayout(столбец, 1);
  содержимое_ = new QVBoxLayout;
  столбец->addLayout(содержимое_);

  индикатор_ = new Индикатор_активности(вид.индикатор, вид.размер_индикатора, this);
  индикатор_->setObjectName("Индикатор_активности");
  // The hidden indicator keeps its room, so that the window does not jump.
  QSizePolicy место = индикатор_->sizePolicy();
  место.setRetainSizeWhenHidden(true);
  индикатор_->setSizePolicy(место);
  индикатор_->hide();
  кнопка_действия_ = new QPushButton(вид.кнопка_действия, this);
  кнопка_действия_->setObjectName(вид.имя_кнопки_действия);
  кнопка_закрыть_ = new QPushButton("Закрыть", this);
  кнопка_закрыть_->setObjectName("Кнопка_закрыть");
  connect(кнопка_закрыть_, &QPushButton::clicked, this, Обработчик([this] { reject(); }));
  auto* кнопки = new QHBoxLayout;
  кнопки->addWidget(индикатор_);
  кнопки->addStretch(1);
  кнопки->addWidget(кнопка_действия_, 0, Qt::AlignBottom);
  кнопки->addWidget(кнопка_закрыть_, 0, Qt::AlignBottom);
  столбец->addStretch(1);
  столбец->addLayout(кнопки);
}

void Окно_фоновой_задачи::Загрузить_картинку() {
  надпись_картинки_->setPixmap(QPixmap(QString(":/images/") + картинка_));
}

void Окно_фоновой_задачи::Занятое_состояние(bool занято) {
  идёт_ = занято;
  индикатор_->setVisible(занято);
  if (занято) {
    индикатор_->Запустить();
  } else {
    индикатор_->Остановить();
  }
  if (QWindow* окно = windowHandle()) окно->setFlag(Qt::WindowCloseButtonHint, !занято);
  кнопка_действия_->setEnabled(false);
  кнопка_закрыть_->setEnabled(!занято);
  if (!занято) {
    кнопка_закрыть_->setDefault(true);
    кнопка_закрыть_->setFocus();
  }
}

void Окно_фоновой_задачи::reject() {
  if (идёт_) return;
  QDialog::reject();
}

void Окно_фоновой_задачи::closeEvent(QCloseEvent* событие) {
  Обработать_событие([&] {
    if (идёт_) {
      событие->ignore();
      return;
    }
    QDialog::closeEvent(событие);
  });
}

}  // namespace korvella
