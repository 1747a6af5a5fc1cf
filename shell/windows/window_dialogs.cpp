#include "shell/windows/window_dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/windows/dialog_windows.h"
#include "shell/windows/ui_thread.h"

namespace korvella {
namespace {

QString Текст(std::string_view т) {
  return QString::fromUtf8(т.data(), static_cast<qsizetype>(т.size()));
}

}  // namespace

QString Заголовок_окна_сообщения() { return "ЗРБ: Корвелла"; }

Диалоги_окнами::Диалоги_окнами(QWidget* главное_окно)
    : ошибка_(std::make_unique<TФорма_сообщение_об_ошибке>()),
      сообщение_(std::make_unique<TФорма_сообщение>(главное_окно)),
      вопрос_(std::make_unique<TФорма_вопрос_с_выбором>()) {}

Диалоги_окнами::~Диалоги_окнами() = default;

void Диалоги_окнами::Установить_главное_окно(QWidget* главное_окно) {
  сообщение_->Центрировать_над(главное_окно);
}

void Диалоги_окнами::Ошибка(std::string_view т) {
  const QString текст = Текст(т);
  В_потоке_интерфейса([&] { ошибка_->Показать(текст); });
}

void Диалоги_окнами::Сообщение(std::string_view т) {
  const QString текст = Текст(т);
  В_потоке_интерфейса([&] { сообщение_->Показать(текст); });
}

bool Диалоги_окнами::Вопрос(std::string_view т) {
  const QString текст = Текст(т);
  bool ответ = false;
  В_потоке_интерфейса([&] { ответ = вопрос_->Спросить(текст); });
  return ответ;
}

void Диалоги_окнами::Простое_сообщение(std::string_view т) {
  const QString текст = Текст(т);
  В_потоке_интерфейса([&] {
    QMessageBox окно(QMessageBox::NoIcon, Заголовок_окна_сообщения(), текст, QMessageBox::Ok);
    окно.exec();
  });
}

void Диалоги_окнами::Стандартная_ошибка(std::string_view т) {
  const QString текст = Текст(т);
  В_потоке_интерфейса([&] {
    QMessageBox окно(QMessageBox::Critical, Заголовок_окна_сообщения(), текст, QMessageBox::Ok);
    окно.exec();
  });
}

}  // namespace korvella
