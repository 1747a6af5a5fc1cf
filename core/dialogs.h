// How the logic talks to the user: the error window, the message window, the
// yes/no question and the platform's two message boxes. The desktop program
// answers with real windows; tests and the command-line program with a script.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace korvella {

class Диалоги {
 public:
  virtual ~Диалоги() = default;
  // Error window "Сообщение об ошибке": the text is shown unchanged.
  virtual void Ошибка(std::string_view текст) = 0;
  // Message window "Сообщение": the text is shown after a line break.
  virtual void Сообщение(std::string_view текст) = 0;
  // Question window "Вопрос": true when the answer is "Да".
  virtual bool Вопрос(std::string_view текст) = 0;
  // A question whose "Да" deletes, replaces or overwrites the user's data. The
  // windows ask it like any other; the command line answers "Нет" unless told
  // otherwise, so that no command destroys data on its own.
  virtual bool Вопрос_об_утрате_данных(std::string_view текст) { return Вопрос(текст); }
  // The platform's plain message box (no icon, one OK button).
  virtual void Простое_сообщение(std::string_view текст) = 0;
  // The platform's standard error message box.
  virtual void Стандартная_ошибка(std::string_view текст) = 0;
};

// Records every call and answers the questions from a script; when the script
// runs out, every further question gets the default answer.
class Диалоги_по_сценарию : public Диалоги {
 public:
  enum class Вид { Ошибка, Сообщение, Вопрос, Простое_сообщение, Стандартная_ошибка };
  struct Вызов {
    Вид вид;
    std::string текст;
    bool ответ = false;
    bool об_утрате_данных = false;
  };

  explicit Диалоги_по_сценарию(bool ответ_по_умолчанию = true)
      : ответ_по_умолчанию_(ответ_по_умолчанию) {}

  void Ответить(bool ответ) { ответы_.push_back(ответ); }

  void Ошибка(std::string_view т) override { вызовы.push_back({Вид::Ошибка, std::string(т)}); }
  void Сообщение(std::string_view т) override {
    вызовы.push_back({Вид::Сообщение, std::string(т)});
  }
  bool Вопрос(std::string_view т) override {
    bool ответ = ответ_по_умолчанию_;
    if (!ответы_.empty()) {
      ответ = ответы_.front();
      ответы_.pop_front();
    }
    вызовы.push_back({Вид::Вопрос, std::string(т), ответ});
    return ответ;
  }
  bool Вопрос_об_утрате_данных(std::string_view т) override {
    const bool ответ = Вопрос(т);
    вызовы.back().об_утрате_данных = true;
    return ответ;
  }
  void Простое_сообщение(std::string_view т) override {
    вызовы.push_back({Вид::Простое_сообщение, std::string(т)});
  }
  void Стандартная_ошибка(std::string_view т) override {
    вызовы.push_back({Вид::Стандартная_ошибка, std::string(т)});
  }

  // Texts of the calls of one kind, in order.
  std::vector<std::string> Тексты(Вид вид) const {
    std::vector<std::string> т;
    for (const auto& в : вызовы)
      if (в.вид == вид) т.push_back(в.текст);
    return т;
  }

  std::vector<Вызов> вызовы;

 private:
  std::deque<bool> ответы_;
  bool ответ_по_умолчанию_;
};

}  // namespace korvella
