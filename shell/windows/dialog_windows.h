// The three small modal windows every part of the program talks through: the
// error window, the message window and the yes/no question. They are created
// once and reused; Диалоги_окнами (shell/windows/window_dialogs.h) shows them.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QLabel;
class QPushButton;

namespace korvella {

// "Сообщение об ошибке": warnings and validation errors; the text is shown as given.
class TФорма_сообщение_об_ошибке : public QDialog {
 public:
  explicit TФорма_сообщение_об_ошибке(QWidget* родитель = nullptr);
  void Показать(const QString& Текст_сообщения);
  QLabel* Область_текста_сообщения() const { return текст_; }
  QPushButton* Кнопка_закрыть() const { return закрыть_; }

 private:
  QLabel* текст_;
  QPushButton* закрыть_;
};

// "Сообщение": neutral information; the text is shown after a line break.
class TФорма_сообщение : public QDialog {
 public:
  // Shown centred on `главное_окно` (a separate window, not its child).
  explicit TФорма_сообщение(QWidget* главное_окно = nullptr);
  void Показать(const QString& Текст_информации);
  void Центрировать_над(QWidget* главное_окно) { главное_окно_ = главное_окно; }
  QLabel* Надпись_текст_сообщения() const { return текст_; }
  QPushButton* Кнопка_закрыть() const { return закрыть_; }

 private:
  QPointer<QWidget> главное_окно_;
  QLabel* текст_;
  QPushButton* закрыть_;
};

// "Вопрос": only "Да" or "Нет" closes it; right after opening Enter answers "Нет".
class TФорма_вопрос_с_выбором : public QDialog {
 public:
  explicit TФорма_вопрос_с_выбором(QWidget* родитель = nullptr);
  // True when the answer is "Да".
  bool Спросить(const QString& Текст_вопроса);
  bool Ответ_да() const { return ответ_да_; }
  QLabel* Надпись_текст_вопроса() const { return текст_; }
  QPushButton* Кнопка_да() const { return да_; }
  QPushButton* Кнопка_нет() const { return нет_; }

  // Esc and Alt+F4 do not answer.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* событие) override;

 private:
  QLabel* текст_;
  QPushButton* да_;
  QPushButton* нет_;
  bool ответ_да_ = false;
  bool отвечено_ = false;
};

}  // namespace korvella
