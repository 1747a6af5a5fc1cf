// "Возврат к пройденному шагу": the user picks a step already shown in this task;
// everything the later steps computed is undone and the chain resumes there.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/environment.h"
#include "shell/wizard.h"

namespace korvella {

// The steps of the current task up to the last one shown, in order: 0–5 and
// 23–29 always, each optional group only when its task is chosen.
std::vector<int> Пройденные_шаги(const тип_Главная_запись& запись);

// The resets of a confirmed return to `шаг`: the step becomes the last one shown,
// the done flags of the calculations from there on are cleared with their
// tables, the rooms and the substitutions start afresh, the log file is emptied.
void Сброс_при_возврате_к_шагу(Среда& среда, int шаг);

// A record holding a calculation's result while the chain has not yet reached
// the steps that make its data (no run of the program leaves that behind; an
// edited or foreign file can) would have those data regenerated under the kept
// result. So the results after `шаг` are cleared as a return to the step clears
// them, except the substitution log. True when something was cleared.
bool Согласование_результатов_с_шагом(Среда& среда, int шаг);

// The class tab's layers, each when the task has come that far and its
// calculation is done; then the tables of unfinished calculations are cleared.
void Обновление_вкладки_классов(Среда& среда);

// What the window "Выбор окна (шага) для возврата к нему" does; the window only
// shows the lines and forwards clicks, Enter and the buttons.
class Модель_возврата_к_шагу {
 public:
  explicit Модель_возврата_к_шагу(Среда& среда) : среда_(среда) {}

  // On show: the list of passed steps, the first line chosen.
  void Открыть();
  const std::vector<std::string>& Строки() const { return строки_; }
  int Выбранный_шаг() const { return выбранный_шаг_; }
  // "Возврат к шагу " + the chosen number.
  std::string Текст_кнопки() const;

  // A click on a line: the step whose name is exactly the line's text.
  void Выбрать_строку(std::string_view текст);

  // "Возврат к шагу" or Enter in the list; true when the window closes.
  bool Нажать_возврат();
  // A double click on a line: the return without the general question.
  bool Двойной_щелчок(std::string_view текст);

  // Set by a confirmed return; the action reads and clears it.
  bool Флаг_возврата_к_шагу() const { return флаг_возврата_; }
  void Снять_флаг_возврата() { флаг_возврата_ = false; }

 private:
  bool Выполнить_возврат();

  Среда& среда_;
  std::vector<std::string> строки_;
  int выбранный_шаг_ = 0;
  bool флаг_возврата_ = false;
};

// The action: refused before any task was started; otherwise shows the window
// (`показать_окно` returns when it has closed) and after a confirmed return
// resumes the chain from the chosen step.
void Действие_возврат_к_шагу(Среда& среда, Модель_возврата_к_шагу& модель,
                             const std::function<void()>& показать_окно,
                             const Показ_шага& показать_шаг);

}  // namespace korvella
