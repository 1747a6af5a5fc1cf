#include "shell/windows/about_window.h"
#include "shell/windows/exception_reporter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvella {

TФорма_о_программе::TФорма_о_программе(QWidget* родитель) : QDialog(родитель) {
  setObjectName("Форма_о_программе");
  setWindowTitle("О программе");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  auto* ряд = new QHBoxLayout(this);
  auto* маска = new QLabel(this);
  маска->setObjectName("Картинка_о_программе");
  маска->setPixmap(QPixmap(":/images/Золотая_маска.png"));
  маска->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  ряд->addWidget(маска);
  auto* столбец = new QVBoxLayout;
  auto* название = new QLabel("Программа составления школьных расписаний\n«ЗРБ: Корвелла»", this);
  название->setObjectName("Надпись_название_программы");
  QFont крупный = название->font();
  крупный.setPointSize(крупный.pointSize() + 4);
  крупный.setBold(true);
  название->setFont(крупный);
  версия_ = new QLabel(this);
  версия_->setObjectName("Надпись_версия_программы");
  описание_ = new QPlainTextEdit(this);
  описание_->setObjectName("Поле_описание_программы");
  описание_->setReadOnly(true);
  описание_->setPlainText(
      "Программа строит расписание уроков средних и старших классов "
      "общеобразовательной школы.\n\n"
      "Расписание составляется полностью автоматически, без участия человека, "
      "всегда, когда решение при заданных исходных данных существует.\n\n"
      "После построения расписания программа помогает планировать замены "
      "отсутствующих преподавателей и ведет журнал замен.");
  закрыть_ = new QPushButton("Закрыть", this);
  закрыть_->setObjectName("Кнопка_закрыть");
  закрыть_->setDefault(true);
  connect(закрыть_, &QPushButton::clicked, this, Обработчик([this] { accept(); }));
  столбец->addWidget(название);
  столбец->addWidget(версия_);
  столбец->addWidget(описание_, 1);
  auto* кнопки = new QHBoxLayout;
  кнопки->addStretch(1);
  кнопки->addWidget(закрыть_);
  столбец->addLayout(кнопки);
  ряд->addLayout(столбец, 1);
  resize(560, 300);
}

void TФорма_о_программе::showEvent(QShowEvent* событие) {
  Обработать_событие([&] {
    версия_->setText(kВерсия_программы);
    закрыть_->setFocus();
    QDialog::showEvent(событие);
  });
}

}  // namespace korvella
