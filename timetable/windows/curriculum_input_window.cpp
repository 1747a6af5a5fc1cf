#include "timetable/windows/curriculum_input_window.h"
#include "shell/windows/exception_reporter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvella {

TФорма_ввод_нагрузки::TФорма_ввод_нагрузки(QWidget* родитель) : QDialog(родитель) {
  setObjectName("Форма_ввод_нагрузки");
  setWindowTitle("Ввод нагрузки");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* столбец = new QVBoxLayout(this);
  auto* ряд = new QHBoxLayout;
  надпись_ = new QLabel(this);
  поле_ = new QLineEdit(this);
  поле_->setObjectName("Поле_ввода_нагрузка_класса");
  поле_->setMaxLength(1);
  поле_->setFixedWidth(30);
  поле_->installEventFilter(this);
  ряд->addWidget(надпись_);
  ряд->addWidget(поле_);
  столбец->addLayout(ряд);
  auto* кнопки = new QHBoxLayout;
  кнопки->addStretch(1);
  кнопка_ввести_ = new QPushButton("Ввести", this);
  кнопка_ввести_->setObjectName("Кнопка_ввести");
  кнопка_ввести_->setDefault(true);
  кнопка_закрыть_ = new QPushButton("Закрыть", this);
  кнопка_закрыть_->setObjectName("Кнопка_закрыть");
  кнопки->addWidget(кнопка_ввести_);
  кнопки->addWidget(кнопка_закрыть_);
  столбец->addLayout(кнопки);
  connect(кнопка_ввести_, &QPushButton::clicked, this, Обработчик([this] { Нажать_ввести(); }));
  connect(кнопка_закрыть_, &QPushButton::clicked, this, Обработчик([this] { reject(); }));
  // Paste reaches the model as well; what it refuses is taken back.
  connect(поле_, &QLineEdit::textEdited, this, Обработчик([this](const QString& текст) {
            if (модель_ && !модель_->Установить_поле(текст.toStdString()))
              поле_->setText(QString::fromStdString(модель_->Поле()));
          }));
}

bool TФорма_ввод_нагрузки::Показать(Модель_ввода_нагрузки модель) {
  модель_.emplace(std::move(модель));
  модель_->Установить_поле("");
  поле_->clear();
  надпись_->setText(QString::fromStdString(модель_->Надпись()));
  поле_->setFocus(Qt::OtherFocusReason);
  const bool введено = exec() == QDialog::Accepted;
  модель_.reset();
  return введено;
}

void TФорма_ввод_нагрузки::Нажать_ввести() {
  if (!модель_) return;
  модель_->Установить_поле(поле_->text().toStdString());
  if (модель_->Ввести()) {
    accept();
    return;
  }
  поле_->setFocus(Qt::OtherFocusReason);
}

bool TФорма_ввод_нагрузки::eventFilter(QObject* объект, QEvent* событие) {
  // A failure is reported and the event counts as not handled.
  bool обработано = false;
  Обработать_событие([&] {
    обработано = [&]() -> bool {
      if (объект == поле_ && событие->type() == QEvent::KeyPress && модель_) {
        const QString текст = static_cast<QKeyEvent*>(событие)->text();
        // Only Backspace and the digits 0..D-1 are typed; Enter and Esc go on to the
        // buttons, moving keys to the edit.
        if (!текст.isEmpty() && текст[0].isPrint() &&
            !модель_->Допустимая_клавиша(static_cast<char32_t>(текст[0].unicode())))
          return true;
      }
      return QDialog::eventFilter(объект, событие);
    }();
  });
  return обработано;
}

}  // namespace korvella
