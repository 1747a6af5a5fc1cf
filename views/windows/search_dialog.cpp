#include "views/windows/search_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/windows/exception_reporter.h"
#include "views/windows/timetable_grid_view.h"

namespace korvella {

TФорма_найти_подстроку::TФорма_найти_подстроку(Поиск_подстроки& поиск, Строковая_таблица& таблица,
                                               Таблица_расписания& вид_таблицы, Диалоги& диалоги,
                                               QWidget* родитель)
    : QDialog(родитель),
      поиск_(поиск),
      таблица_(таблица),
      вид_таблицы_(вид_таблицы),
      диалоги_(диалоги),
      поле_(new QLineEdit(this)),
      надпись_(new QLabel(this)),
      кнопка_найти_(new QPushButton("Найти", this)),
      кнопка_закрыть_(new QPushButton("Закрыть", this)) {
  setObjectName("Форма_найти_подстроку");
  setWindowTitle("Поиск подстроки");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  поле_->setObjectName("Поле_ввода_для_поиска");
  надпись_->setObjectName("Надпись_содержание_ячейки");
  кнопка_найти_->setObjectName("Кнопка_найти");
  кнопка_закрыть_->setObjectName("Кнопка_закрыть");
  QFont жирный = надпись_->font();
  жирный.setBold(true);
  надпись_->setFont(жирный);
  надпись_->setWordWrap(true);
  надпись_->setMinimumHeight(36);
  кнопка_найти_->setDefault(true);
  кнопка_закрыть_->setAutoDefault(false);

  auto* строка_поля = new QHBoxLayout;
  строка_поля->addWidget(new QLabel("Текст:", this));
  строка_поля->addWidget(поле_, 1);
  auto* кнопки = new QHBoxLayout;
  кнопки->addStretch(1);
  кнопки->addWidget(кнопка_найти_);
  кнопки->addWidget(кнопка_закрыть_);
  auto* всё = new QVBoxLayout(this);
  всё->addLayout(строка_поля);
  всё->addWidget(надпись_);
  всё->addLayout(кнопки);
  resize(520, sizeHint().height());

  connect(поле_, &QLineEdit::textChanged, this, Обработчик([this] {
            поиск_.Изменение_текста();
            Показать_состояние();
          }));
  connect(кнопка_найти_, &QPushButton::clicked, this, Обработчик([this] { Нажать_найти(); }));
  connect(кнопка_закрыть_, &QPushButton::clicked, this, Обработчик([this] { reject(); }));
}

void TФорма_найти_подстроку::Показать() {
  Показать_состояние();
  поле_->setFocus();
  exec();
}

void TФорма_найти_подстроку::Нажать_найти() {
  поиск_.Найти(поле_->text().toStdString(), таблица_, диалоги_);
  вид_таблицы_.Обновить_из_таблицы(true);
  Показать_состояние();
}

void TФорма_найти_подстроку::Показать_состояние() {
  надпись_->setText(QString::fromStdString(поиск_.Надпись()));
  кнопка_найти_->setText(QString::fromStdString(поиск_.Заголовок_кнопки()));
  кнопка_найти_->setEnabled(поиск_.Кнопка_доступна());
  switch (поиск_.Куда_фокус()) {
    case Поиск_подстроки::Фокус::Поле_ввода:
      поле_->setFocus();
      break;
    case Поиск_подстроки::Фокус::Кнопка_закрыть:
      кнопка_закрыть_->setFocus();
      break;
    case Поиск_подстроки::Фокус::Таблица_классов:
      break;
  }
}

void TФорма_найти_подстроку::done(int итог) {
  Обработать_событие([&] {
    поиск_.Закрыть();
    QDialog::done(итог);
    вид_таблицы_.setFocus();
  });
}

}  // namespace korvella
