#include "shell/windows/calculation_window.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "shell/return_to_step.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

Окно_расчёта::Окно_расчёта(Среда& среда, Модель_расчётного_шага& модель, QWidget* родитель,
                           Вид_окна_расчёта вид)
    : Окно_шага(модель, родитель), среда_(среда), вид_(std::move(вид)) {
  Создать_кнопки();
}

Окно_расчёта::Окно_расчёта(Среда& среда, std::unique_ptr<Модель_расчётного_шага> модель,
                           QWidget* родитель, Вид_окна_расчёта вид)
    : Окно_шага(std::unique_ptr<Модель_шага>(std::move(модель)), родитель),
      среда_(среда),
      вид_(std::move(вид)) {
  Создать_кнопки();
}

void Окно_расчёта::Создать_кнопки() {
  кнопка_рассчитать_ = new QPushButton(QString::fromStdString(вид_.кнопка_расчёта), this);
  кнопка_рассчитать_->setObjectName("Кнопка_рассчитать");
  кнопка_остановить_ = new QPushButton("Остановить расчет", this);
  кнопка_остановить_->setObjectName("Кнопка_остановить_расчет");
  кнопка_остановить_->setVisible(вид_.кнопка_остановки);
  // Right after the stretch, before "Продолжить" and "Закончить".
  Ряд_кнопок()->insertWidget(1, кнопка_рассчитать_);
  Ряд_кнопок()->insertWidget(2, кнопка_остановить_);
  if (!вид_.кнопка_продолжить) Кнопка_продолжить()->hide();
  connect(кнопка_рассчитать_, &QPushButton::clicked, this,
          Обработчик([this] { Нажать_рассчитать(); }));
  connect(кнопка_остановить_, &QPushButton::clicked, this,
          Обработчик([this] { Нажать_остановить(); }));
  таймер_секундомера_ = new QTimer(this);
  таймер_секундомера_->setInterval(250);
  connect(таймер_секундомера_, &QTimer::timeout, this,
          Обработчик([this] { Обновить_секундомер(); }));
}

void Окно_расчёта::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  auto* ряд = new QHBoxLayout;
  картинка_ = new QLabel(область);
  картинка_->setObjectName("Картинка_готово");
  картинка_->setPixmap(QPixmap(":/images/done.png"));
  картинка_->setFixedSize(48, 48);
  ряд->addWidget(картинка_, 0, Qt::AlignTop);
  auto* тексты = new QVBoxLayout;
  надпись_ = new QLabel(область);
  надпись_->setObjectName("Надпись_на_форме");
  надпись_->setWordWrap(true);
  вторая_надпись_ = new QLabel(область);
  вторая_надпись_->setObjectName("Вторая_надпись_на_форме");
  вторая_надпись_->setWordWrap(true);
  тексты->addWidget(надпись_);
  тексты->addWidget(вторая_надпись_);
  тексты->addStretch(1);
  ряд->addLayout(тексты, 1);
  столбец->addLayout(ряд);
  auto* ряд_хода = new QHBoxLayout;
  индикатор_ = new QProgressBar(область);
  индикатор_->setObjectName("Индикатор_расчета");
  индикатор_->setRange(0, 0);  // no known end: the bar just runs
  индикатор_->setTextVisible(false);
  индикатор_->hide();
  секундомер_ = new QLabel("00:00:00", область);
  секундомер_->setObjectName("Надпись_секундомер");
  секундомер_->hide();
  ряд_хода->addWidget(индикатор_, 1);
  ряд_хода->addWidget(секундомер_);
  столбец->addLayout(ряд_хода);
  Построить_дополнительные_элементы(область);
  столбец->addStretch(1);
  // Wide enough for the caption of the longest step names (window managers
  // draw captions bold, beside the window's buttons).
  QFont жирный = font();
  жирный.setBold(true);
  const int по_заголовку = QFontMetrics(жирный).horizontalAdvance(windowTitle()) + 200;
  resize(std::max(560, по_заголовку), 200);
}

void Окно_расчёта::Загрузить_из_модели() {
  // Activation has cleared the done flag: the window asks whether to calculate.
  надпись_->setText(QString::fromStdString(Текст_приглашения()));
  вторая_надпись_->setText(QString::fromStdString(Второй_текст_приглашения()));
  картинка_->hide();
  секундомер_->hide();
  индикатор_->hide();
  таймер_секундомера_->stop();
  кнопка_рассчитать_->show();
  кнопка_рассчитать_->setEnabled(true);
  кнопка_остановить_->setVisible(вид_.кнопка_остановки);
  кнопка_остановить_->setEnabled(false);
  Кнопка_продолжить()->hide();
  Кнопка_закончить()->setEnabled(true);
  кнопка_рассчитать_->setDefault(true);
}

QWidget* Окно_расчёта::Начальный_фокус() { return кнопка_рассчитать_; }

bool Окно_расчёта::Можно_закрыть() const {
  return !идёт_расчёт_ && Модель_расчёта().Можно_закрыть();
}

std::string Окно_расчёта::Текст_приглашения() const {
  return "Все исходные данные для расчета сформированы. Рассчитать?";
}

std::string Окно_расчёта::Текст_неудачи() const { return "Расчет не удался."; }

std::string Окно_расчёта::Второй_текст_неудачи() const {
  return "При таких исходных данных решение не найдено.";
}

std::string Окно_расчёта::Текст_остановки() const { return "Расчет остановлен!"; }

void Окно_расчёта::Нажать_рассчитать() {
  if (идёт_расчёт_) return;
  Перед_расчётом();
  // Cleared here, before the stop button is enabled: a stop pressed before the
  // task starts then stops it.
  Флаг_остановки_расчета = false;
  Занятое_состояние(true);
  Модель_расчётного_шага* модель = &Модель_расчёта();
  QThreadPool::globalInstance()->start([this, модель] {
    Итог итог = Итог::Не_начат;
    std::exception_ptr сбой;
    try {
      итог = модель->Рассчитать(false);
    } catch (...) {
      сбой = std::current_exception();
    }
    QMetaObject::invokeMethod(
        this, Обработчик([this, итог, сбой] { Завершить_расчёт(итог, сбой); }),
        Qt::QueuedConnection);
  });
}

void Окно_расчёта::Нажать_остановить() {
  Флаг_остановки_расчета = true;
  кнопка_остановить_->setEnabled(false);
}

void Окно_расчёта::Занятое_состояние(bool занято) {
  идёт_расчёт_ = занято;
  кнопка_рассчитать_->setEnabled(!занято);
  Кнопка_продолжить()->setEnabled(!занято);
  Кнопка_закончить()->setEnabled(!занято);
  кнопка_остановить_->setEnabled(занято);
  индикатор_->setVisible(занято);
  // The close box goes while the task runs; closing is refused all the same.
  if (QWindow* окно = windowHandle()) {
    окно->setFlag(Qt::WindowCloseButtonHint, !занято);
    окно->setFlag(Qt::WindowSystemMenuHint, !занято);
  }
  if (занято) {
    надпись_->setText("Идет расчет расписания, придется подожнать ...");
    вторая_надпись_->clear();
    if (вид_.секундомер) {
      прошло_.start();
      секундомер_->setText("00:00:00");
      секундомер_->show();
      таймер_секундомера_->start();
    }
  } else {
    таймер_секундомера_->stop();
  }
}

void Окно_расчёта::Завершить_расчёт(Итог итог, std::exception_ptr сбой) {
  Занятое_состояние(false);
  if (сбой) std::rethrow_exception(сбой);
  После_расчёта(итог);
}

void Окно_расчёта::После_расчёта(Итог итог) {
  кнопка_рассчитать_->hide();
  кнопка_остановить_->hide();
  секундомер_->hide();
  QPushButton* дальше = вид_.кнопка_продолжить ? Кнопка_продолжить() : Кнопка_закончить();
  if (итог == Итог::Готово) {
    картинка_->show();
    надпись_->setText("Готово ...");
    вторая_надпись_->clear();
    Обновление_вкладки_классов(среда_);
    среда_.оболочка.Показать_количество_преподавателей(
        среда_.запись.Общее_количество_преподавателей_в_школе);
  } else if (итог == Итог::Остановлен) {
    надпись_->setText(QString::fromStdString(Текст_остановки()));
    вторая_надпись_->clear();
  } else {
    надпись_->setText(QString::fromStdString(Текст_неудачи()));
    вторая_надпись_->setText(QString::fromStdString(Второй_текст_неудачи()));
  }
  if (вид_.кнопка_продолжить) дальше->show();
  дальше->setEnabled(true);
  дальше->setDefault(true);
  дальше->setFocus(Qt::OtherFocusReason);
}

std::string Окно_расчёта::Прошедшее_время() const {
  const qint64 секунды = прошло_.isValid() ? прошло_.elapsed() / 1000 : 0;
  char текст[32];
  std::snprintf(текст, sizeof текст, "%02lld:%02lld:%02lld", секунды / 3600, секунды / 60 % 60,
                секунды % 60);
  return текст;
}

void Окно_расчёта::Обновить_секундомер() {
  секундомер_->setText(QString::fromStdString(Прошедшее_время()));
  При_тике_секундомера();
}

}  // namespace korvella
