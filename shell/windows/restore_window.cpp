#include "shell/windows/restore_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPixmap>
#include <QPushButton>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QWindow>

#include "shell/windows/activity_indicator.h"

namespace korvella {
namespace {

QString Текст(const std::string& т) { return QString::fromStdString(т); }

}  // namespace

QString Выбор_архивного_файла(QWidget* родитель) {
  return QFileDialog::getOpenFileName(родитель, "Окно поиска архивного файла", QDir::rootPath(),
                                      "Архивный файл (*.zip)");
}

TФорма_восстановление_данных_расписания::TФорма_восстановление_данных_расписания(
    std::filesystem::path путь_архивного_файла, std::function<void()> после_восстановления,
    QWidget* главное_окно)
    : QDialog(главное_окно),
      путь_архивного_файла_(std::move(путь_архивного_файла)),
      после_восстановления_(std::move(после_восстановления)) {
  setObjectName("Форма_восстановление_данных_расписания");
  setWindowTitle("Восстановление данных программы \"ЗРБ: Корвелла\" из архивного файла");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowStaysOnTopHint);
  setModal(true);

  auto* ряд = new QHBoxLayout(this);
  картинка_ = new QLabel(this);
  картинка_->setObjectName("Картинка_формы_восстановление_данных");
  картинка_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  ряд->addWidget(картинка_);
  auto* столбец = new QVBoxLayout;
  ряд->addLayout(столбец, 1);
  предупреждение_ = new QLabel(this);
  предупреждение_->setObjectName("Надпись_предупреждение");
  предупреждение_->setWordWrap(true);
  QFont жирный = предупреждение_->font();
  жирный.setBold(true);
  предупреждение_->setFont(жирный);
  полное_имя_ = new QLabel(this);
  полное_имя_->setObjectName("Надпись_полное_имя_архивного_файла");
  полное_имя_->setWordWrap(true);
  столбец->addWidget(предупреждение_);
  столбец->addWidget(полное_имя_);
  столбец->addStretch(1);
  auto* ряд_кнопок = new QHBoxLayout;
  индикатор_ = new Индикатор_активности(Индикатор_активности::Вид::Кольцо, 48, this);
  индикатор_->setObjectName("Индикатор_активности");
  QSizePolicy место = индикатор_->sizePolicy();
  место.setRetainSizeWhenHidden(true);
  индикатор_->setSizePolicy(место);
  индикатор_->hide();
  кнопка_восстановить_ = new QPushButton("Восстановить данные", this);
  кнопка_восстановить_->setObjectName("Кнопка_восстановить_данные");
  кнопка_закрыть_ = new QPushButton("Закрыть", this);
  кнопка_закрыть_->setObjectName("Кнопка_закрыть");
  ряд_кнопок->addWidget(индикатор_);
  ряд_кнопок->addStretch(1);
  ряд_кнопок->addWidget(кнопка_восстановить_, 0, Qt::AlignBottom);
  ряд_кнопок->addWidget(кнопка_закрыть_, 0, Qt::AlignBottom);
  столбец->addLayout(ряд_кнопок);
  connect(кнопка_восстановить_, &QPushButton::clicked, this, [this] { Нажать_восстановить(); });
  connect(кнопка_закрыть_, &QPushButton::clicked, this, [this] { reject(); });
  setMinimumSize(640, 220);
}

TФорма_восстановление_данных_расписания::~TФорма_восстановление_данных_расписания() = default;

void TФорма_восстановление_данных_расписания::showEvent(QShowEvent* событие) {
  идет_восстановление_ = false;
  картинка_->setPixmap(QPixmap(":/images/Картинка_формы_восстановление_данных.png"));
  полное_имя_->setText(
      "Полное имя выбранного архивного файла для восстановления данных: " +
      Текст(Путь_для_показа(путь_архивного_файла_)));
  предупреждение_->setText(Текст(Предупреждение_о_восстановлении()));
  предупреждение_->show();
  кнопка_восстановить_->setEnabled(true);
  кнопка_восстановить_->setDefault(true);
  кнопка_восстановить_->setFocus();
  // The wrapped texts need their height before the window is placed.
  adjustSize();
  QDialog::showEvent(событие);
}

void TФорма_восстановление_данных_расписания::Нажать_восстановить() {
  if (идет_восстановление_ || !кнопка_восстановить_->isEnabled()) return;
  Занятое_состояние(true);
  полное_имя_->setText("Идет процесс восстановления данных...");
  предупреждение_->hide();
  QThreadPool::globalInstance()->start([this, путь = путь_архивного_файла_] {
    Результат_восстановления результат;
    std::exception_ptr сбой;
    try {
      результат = Восстановление_данных(путь);
    } catch (...) {
      сбой = std::current_exception();
    }
    QMetaObject::invokeMethod(
        this,
        [this, результат, сбой] {
          if (сбой) std::rethrow_exception(сбой);
          Завершить(результат);
        },
        Qt::QueuedConnection);
  });
}

void TФорма_восстановление_данных_расписания::Занятое_состояние(bool занято) {
  идет_восстановление_ = занято;
  индикатор_->setVisible(занято);
  if (занято) {
    индикатор_->Запустить();
  } else {
    индикатор_->Остановить();
  }
  if (QWindow* окно = windowHandle()) окно->setFlag(Qt::WindowCloseButtonHint, !занято);
  кнопка_восстановить_->setEnabled(false);
  кнопка_закрыть_->setEnabled(!занято);
}

void TФорма_восстановление_данных_расписания::Завершить(const Результат_восстановления& результат) {
  Занятое_состояние(false);
  кнопка_закрыть_->setDefault(true);
  кнопка_закрыть_->setFocus();
  if (!результат.успех) {
    полное_имя_->setText(Текст(std::string(kДанные_не_восстановлены)));
    return;
  }
  if (после_восстановления_) после_восстановления_();
  полное_имя_->setText(Текст(Текст_успешного_восстановления()));
}

void TФорма_восстановление_данных_расписания::reject() {
  if (идет_восстановление_) return;
  QDialog::reject();
}

void TФорма_восстановление_данных_расписания::closeEvent(QCloseEvent* событие) {
  if (идет_восстановление_) {
    событие->ignore();
    return;
  }
  QDialog::closeEvent(событие);
}

}  // namespace korvella
