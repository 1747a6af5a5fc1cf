// The dialogs interface answered with the program's windows. A call from a
// calculation task is handed over to the interface thread and waits there.
#pragma once

#include <QString>
#include <memory>

#include "core/dialogs.h"

class QWidget;

namespace korvella {

class TФорма_вопрос_с_выбором;
class TФорма_сообщение;
class TФорма_сообщение_об_ошибке;

class Диалоги_окнами : public Диалоги {
 public:
  // The message window is centred on `главное_окно`; the other two on the desktop.
  explicit Диалоги_окнами(QWidget* главное_окно = nullptr);
  ~Диалоги_окнами() override;
  void Установить_главное_окно(QWidget* главное_окно);

  void Ошибка(std::string_view текст) override;
  void Сообщение(std::string_view текст) override;
  bool Вопрос(std::string_view текст) override;
  void Простое_сообщение(std::string_view текст) override;
  void Стандартная_ошибка(std::string_view текст) override;

  TФорма_сообщение_об_ошибке& Форма_сообщение_об_ошибке() const { return *ошибка_; }
  TФорма_сообщение& Форма_сообщение() const { return *сообщение_; }
  TФорма_вопрос_с_выбором& Форма_вопрос_с_выбором() const { return *вопрос_; }

 private:
  std::unique_ptr<TФорма_сообщение_об_ошибке> ошибка_;
  std::unique_ptr<TФорма_сообщение> сообщение_;
  std::unique_ptr<TФорма_вопрос_с_выбором> вопрос_;
};

// The caption of the platform's message boxes: the program's name.
QString Заголовок_окна_сообщения();

}  // namespace korvella
