#include "timetable/windows/pick_list_window.h"
#include "shell/windows/exception_reporter.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvella {

Окно_списка_выбора::Окно_списка_выбора(const char* заголовок, const char* имя_списка,
                                       QWidget* родитель)
    : QDialog(родитель) {
  setWindowTitle(QString::fromUtf8(заголовок));
  setModal(true);
  auto* столбец = new QVBoxLayout(this);
  список_ = new QListWidget(this);
  список_->setObjectName(QString::fromUtf8(имя_списка));
  столбец->addWidget(список_, 1);
  auto* ряд = new QHBoxLayout;
  ряд->addStretch(1);
  кнопка_выбрать_ = new QPushButton("Выбрать", this);
  кнопка_выбрать_->setObjectName("Кнопка_выбрать");
  кнопка_выбрать_->setDefault(true);  // Enter in the list chooses
  auto* закрыть = new QPushButton("Закрыть", this);
  закрыть->setObjectName("Кнопка_закрыть");
  ряд->addWidget(кнопка_выбрать_);
  ряд->addWidget(закрыть);
  столбец->addLayout(ряд);
  connect(кнопка_выбрать_, &QPushButton::clicked, this, Обработчик([this] { Выбрать_текущий(); }));
  connect(закрыть, &QPushButton::clicked, this, Обработчик([this] { reject(); }));
  connect(список_, &QListWidget::itemDoubleClicked, this,
          Обработчик([this] { Выбрать_текущий(); }));
  resize(300, 400);
}

bool Окно_списка_выбора::Показать(const std::vector<std::string>& пункты, Выбор выбор, QPoint где) {
  выбор_ = std::move(выбор);
  список_->clear();
  for (const auto& пункт : пункты) список_->addItem(QString::fromStdString(пункт));
  if (список_->count() > 0) список_->setCurrentRow(0);
  move(где);
  список_->setFocus(Qt::OtherFocusReason);
  const bool выбрано = exec() == QDialog::Accepted;
  выбор_ = nullptr;
  return выбрано;
}

void Окно_списка_выбора::Выбрать_текущий() {
  const int пункт = список_->currentRow();
  if (пункт < 0 || !выбор_) return;
  if (выбор_(пункт)) accept();
}

}  // namespace korvella
