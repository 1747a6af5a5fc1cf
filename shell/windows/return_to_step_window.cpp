#include "shell/windows/return_to_step_window.h"
#include "shell/windows/exception_reporter.h"

#include <QFont>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvella {

TФорма_возврат_к_шагу::TФорма_возврат_к_шагу(Модель_возврата_к_шагу& модель, QWidget* родитель)
    : QDialog(родитель), модель_(модель) {
  setObjectName("Форма_возврат_к_шагу");
  setWindowTitle("Выбор окна (шага) для возврата к нему");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  setFixedSize(808, 451);
  auto* столбец = new QVBoxLayout(this);
  столбец->setContentsMargins(9, 9, 9, 9);
  список_ = new QListWidget(this);
  список_->setObjectName("Список_названий_форм");
  QFont моноширинный("Courier New");
  моноширинный.setStyleHint(QFont::Monospace);
  моноширинный.setPointSize(11);
  список_->setFont(моноширинный);
  список_->setStyleSheet("QListWidget { background: #C0C0C0; }");
  список_->setFixedSize(790, 380);
  столбец->addWidget(список_);
  auto* ряд = new QHBoxLayout;
  ряд->addStretch(1);
  возврат_ = new QPushButton("Возврат к шагу", this);
  возврат_->setObjectName("Кнопка_возврат_к_шагу");
  возврат_->setMinimumWidth(130);
  возврат_->setDefault(true);
  закрыть_ = new QPushButton("Закрыть", this);
  закрыть_->setObjectName("Кнопка_закрыть");
  ряд->addWidget(возврат_);
  ряд->addWidget(закрыть_);
  столбец->addLayout(ряд);

  connect(список_, &QListWidget::currentRowChanged, this, Обработчик([this](int строка) {
            if (строка < 0) return;
            модель_.Выбрать_строку(список_->item(строка)->text().toStdString());
            возврат_->setText(QString::fromStdString(модель_.Текст_кнопки()));
          }));
  connect(список_, &QListWidget::itemDoubleClicked, this,
          Обработчик([this](QListWidgetItem* строка) {
            if (модель_.Двойной_щелчок(строка->text().toStdString())) accept();
          }));
  // Enter in the list reaches the default button, as the button itself.
  connect(возврат_, &QPushButton::clicked, this, Обработчик([this] { Возврат(); }));
  connect(закрыть_, &QPushButton::clicked, this, Обработчик([this] { reject(); }));
}

void TФорма_возврат_к_шагу::Заполнить() {
  модель_.Открыть();
  const QSignalBlocker тихо(список_);
  список_->clear();
  for (const auto& строка : модель_.Строки()) список_->addItem(QString::fromStdString(строка));
  список_->setCurrentRow(0);
  возврат_->setText(QString::fromStdString(модель_.Текст_кнопки()));
  список_->setFocus();
}

void TФорма_возврат_к_шагу::Показать_модально() {
  Заполнить();
  exec();
}

void TФорма_возврат_к_шагу::Возврат() {
  if (модель_.Нажать_возврат()) accept();
}

}  // namespace korvella
