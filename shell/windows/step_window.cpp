#include "shell/windows/step_window.h"

#include "shell/step_table.h"
#include "shell/windows/exception_reporter.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

namespace korvella {

Окно_шага::Окно_шага(Модель_шага& модель, QWidget* родитель) : QDialog(родитель), модель_(модель) {
  Создать_каркас();
}

Окно_шага::Окно_шага(std::unique_ptr<Модель_шага> модель, QWidget* родитель)
    : QDialog(родитель), своя_модель_(std::move(модель)), модель_(*своя_модель_) {
  Создать_каркас();
}

Окно_шага::~Окно_шага() = default;

void Окно_шага::Создать_каркас() {
  // The window's name is the step's window name without the class letter.
  // Nothing here may call the model: a subclass may hand over a model that is
  // constructed after this base.
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  auto* столбец = new QVBoxLayout(this);
  область_ = new QWidget(this);
  область_->setObjectName("Область_шага");
  столбец->addWidget(область_, 1);
  ряд_кнопок_ = new QHBoxLayout;
  ряд_кнопок_->addStretch(1);
  кнопка_продолжить_ = new QPushButton("Продолжить", this);
  кнопка_продолжить_->setObjectName("Кнопка_продолжить");
  кнопка_закончить_ = new QPushButton("Закончить", this);
  кнопка_закончить_->setObjectName("Кнопка_закончить");
  ряд_кнопок_->addWidget(кнопка_продолжить_);
  ряд_кнопок_->addWidget(кнопка_закончить_);
  столбец->addLayout(ряд_кнопок_);
  connect(кнопка_продолжить_, &QPushButton::clicked, this,
          Обработчик([this] { Нажать_продолжить(); }));
  connect(кнопка_закончить_, &QPushButton::clicked, this,
          Обработчик([this] { Нажать_закончить(); }));
}

void Окно_шага::Построить() {
  if (построено_) return;
  построено_ = true;
  const std::string класс = Шаг(модель_.Номер()).класс_окна;
  // "TФорма_..." -> "Форма_...": the class letter is one ASCII byte.
  setObjectName(QString::fromStdString(класс.substr(1)));
  setProperty("класс_окна", QString::fromStdString(класс));
  setWindowTitle(QString::fromStdString(модель_.Заголовок()));
  Построить_элементы(область_);
  кнопка_продолжить_->setDefault(true);
}

void Окно_шага::Показать_модально() {
  Построить();
  модель_.Активировать();
  setWindowTitle(QString::fromStdString(модель_.Заголовок()));
  Загрузить_из_модели();
  Разрешить_ввод(модель_.Ввод_разрешён());
  if (QWidget* фокус = Начальный_фокус()) фокус->setFocus(Qt::OtherFocusReason);
  exec();
}

QWidget* Окно_шага::Начальный_фокус() { return кнопка_продолжить_; }

void Окно_шага::Нажать_продолжить() {
  Передать_в_модель();
  if (модель_.Продолжить()) {
    QDialog::accept();
    return;
  }
  if (const auto& отказ = модель_.Последний_отказ()) Показать_отказ(*отказ);
}

void Окно_шага::Нажать_закончить() {
  if (!Можно_закрыть()) return;
  Передать_в_модель();
  модель_.Закончить();
  QDialog::reject();
}

void Окно_шага::reject() {
  Обработать_событие([&] {
    if (!Можно_закрыть()) return;
    if (!модель_.Продолжен()) {
      Передать_в_модель();
      модель_.Закрыть();
    }
    QDialog::reject();
  });
}

void Окно_шага::Показать_отказ(const Отказ& отказ) {
  if (отказ.элемент.empty()) return;
  auto* элемент = findChild<QWidget*>(QString::fromStdString(отказ.элемент));
  if (элемент == nullptr) return;
  элемент->setFocus(Qt::OtherFocusReason);
  if (отказ.строка >= 0 && отказ.столбец >= 0) Выбрать_ячейку(элемент, отказ.строка, отказ.столбец);
}

void Окно_шага::Выбрать_ячейку(QWidget* элемент, int строка, int столбец) {
  auto* сетка = qobject_cast<QAbstractItemView*>(элемент);
  if (сетка == nullptr || сетка->model() == nullptr) return;
  const QModelIndex ячейка = сетка->model()->index(строка, столбец);
  if (!ячейка.isValid()) return;
  сетка->setCurrentIndex(ячейка);
  сетка->scrollTo(ячейка);
}

}  // namespace korvella
