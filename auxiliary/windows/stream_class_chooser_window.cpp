#include "auxiliary/windows/stream_class_chooser_window.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_выбор_класса_для_потока;

TФорма_выбор_класса_для_потока::TФорма_выбор_класса_для_потока(QWidget* родитель)
    : QDialog(родитель) {
  setObjectName("Форма_выбор_класса_для_потока");
  setWindowTitle(М::kЗаголовок);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  auto* столбец = new QVBoxLayout(this);
  список_ = new QListWidget(this);
  список_->setObjectName(М::kСписок);
  // The items align their class names with blanks.
  список_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  список_->installEventFilter(this);
  столбец->addWidget(список_, 1);
  auto* ряд = new QHBoxLayout;
  ряд->addStretch(1);
  выбрать_ = new QPushButton("Выбрать", this);
  выбрать_->setObjectName("Кнопка_выбрать");
  auto* закрыть = new QPushButton("Закрыть", this);
  закрыть->setObjectName("Кнопка_закрыть");
  ряд->addWidget(выбрать_);
  ряд->addWidget(закрыть);
  столбец->addLayout(ряд);
  connect(список_, &QListWidget::itemDoubleClicked, this, Обработчик([this] { Выбрать(); }));
  connect(выбрать_, &QPushButton::clicked, this, Обработчик([this] { Выбрать(); }));
  connect(закрыть, &QPushButton::clicked, this, Обработчик([this] { reject(); }));
  const int ширина = QFontMetrics(список_->font())
                         .horizontalAdvance(QString::fromUtf8(М::kПункт_удаления) + "    ");
  resize(std::max(360, ширина + 40), 320);
}

bool TФорма_выбор_класса_для_потока::Показать_модально(М& модель) {
  модель_ = &модель;
  выбрано_ = false;
  список_->clear();
  for (const auto& пункт : модель.Список()) список_->addItem(QString::fromStdString(пункт));
  список_->setCurrentRow(0);
  список_->setFocus(Qt::OtherFocusReason);
  exec();
  модель_ = nullptr;
  return выбрано_;
}

void TФорма_выбор_класса_для_потока::Выбрать() {
  if (модель_ == nullptr || список_->currentRow() < 0) return;
  if (!модель_->Выбрать(список_->currentRow())) {
    список_->setFocus(Qt::OtherFocusReason);
    return;
  }
  выбрано_ = true;
  accept();
}

bool TФорма_выбор_класса_для_потока::eventFilter(QObject* объект, QEvent* событие) {
  bool принято = false;
  Обработать_событие([&] {
    if (объект != список_ || событие->type() != QEvent::KeyPress) return;
    const int клавиша = static_cast<QKeyEvent*>(событие)->key();
    if (клавиша == Qt::Key_Return || клавиша == Qt::Key_Enter) {
      Выбрать();
      принято = true;
    }
  });
  return принято || QDialog::eventFilter(объект, событие);
}

}  // namespace korvella
