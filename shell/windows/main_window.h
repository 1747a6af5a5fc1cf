// The main window: tool bar, menus, status bar, the six timetable tabs and the
// wizard's start. It is the logic's Оболочка: the steps and the driver write its
// status panes, title and tabs through that interface, from any thread.
#pragma once

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <memory>

#include "core/volumes.h"
#include "shell/environment.h"
#include "shell/return_to_step.h"
#include "shell/windows/tab_frames.h"
#include "shell/wizard.h"

class QAction;
class QLabel;
class QTabWidget;
class QTimer;
class QToolBar;

namespace korvella {

class Панель_автогенерации;
class TФорма_возврат_к_шагу;
class TФорма_о_программе;

class TГлавная_форма : public QMainWindow, public Оболочка {
 public:
  TГлавная_форма(тип_Главная_запись& запись, Диалоги& диалоги,
                 const Фабрика_фреймов_вкладок& фабрика = Создать_пустые_фреймы_вкладок,
                 QWidget* родитель = nullptr);
  ~TГлавная_форма() override;

  Среда& Среда_программы() { return среда_; }
  // How the wizard shows step N (the step windows answer it).
  void Установить_показ_шага(Показ_шага показ) { показ_шага_ = std::move(показ); }
  // Opens a document with its viewer; false when nothing can show it.
  void Установить_открытие_документа(std::function<bool(const QUrl&)> открыть) {
    открыть_документ_ = std::move(открыть);
  }

  // Clears the class tab, loads the data file, fills the class tab, sets the
  // title and makes the log file ready. Runs once when the window is first
  // shown and again after a recall.
  void Стартовая_последовательность();
  // What the window does each time it becomes active.
  void При_активации();
  // One tick of the 125 ms timer.
  void Тик_таймера();
  void Разметить_сетки_при_новой_ширине();

  // The actions, as the tool bar, the menu and the short-cuts trigger them.
  void Начать();
  void Продолжить();
  void Возврат();
  // Ctrl+V: the recall while its menu item is enabled, otherwise the return.
  void Нажатие_Ctrl_V();
  void Переключить_автогенерацию();
  void Показать_руководство();
  // "Архивирование расписания" and "Восстановление расписания" (their windows
  // live only while the action runs).
  void Архивирование();
  void Восстановление();
  // How the restore action asks for the archive file; empty when cancelled.
  void Установить_выбор_архива(std::function<QString()> выбрать) {
    выбрать_архив_ = std::move(выбрать);
  }
  // The volumes the archive window offers.
  void Установить_поиск_томов(std::function<std::vector<Том>()> найти) {
    поиск_томов_ = std::move(найти);
  }

  QToolBar* Панель_управления_главного_окна() const { return панель_управления_; }
  Панель_автогенерации* Панель_на_панели_управления() const { return панель_автогенерации_; }
  QTabWidget* Набор_страниц_главной_формы() const { return вкладки_; }
  QLabel* Панель_строки_состояния(int номер) const { return панели_состояния_[номер]; }
  const Фреймы_вкладок& Фреймы() const { return фреймы_; }
  QAction* Действие_вспомнить_расписание() const { return действие_вспомнить_; }
  QAction* Действие_запомнить_расписание() const { return действие_запомнить_; }
  QAction* Действие_архивирование() const { return действие_архивирование_; }
  QAction* Действие_восстановление() const { return действие_восстановление_; }
  TФорма_возврат_к_шагу& Форма_возврат_к_шагу() const { return *форма_возврата_; }
  TФорма_о_программе& Форма_о_программе() const { return *форма_о_программе_; }
  double Текущая_дата() const { return текущая_дата_; }

  // Оболочка
  void Показать_последнюю_форму(int шаг) override;
  void Показать_количество_преподавателей(int количество) override;
  void Обновить_заголовок_окна() override;
  void Переключить_на_первую_вкладку() override;
  void Разрешить_вкладки_расписания(bool разрешить) override;
  void Очистить_вкладку_классов() override;
  void Заполнить_слой_вкладки_классов(Слой_вкладки_классов слой) override;
  void Обновить_вкладку_кабинетов() override;
  void Сбросить_запомненную_ширину_окна() override;

 protected:
  void showEvent(QShowEvent* событие) override;
  void closeEvent(QCloseEvent* событие) override;
  void changeEvent(QEvent* событие) override;

 private:
  void Создать_действия();
  void Создать_меню();
  void Создать_панель_управления();
  void Создать_строку_состояния();
  void Создать_вкладки(const Фабрика_фреймов_вкладок& фабрика);
  void При_смене_вкладки(int вкладка);
  void Разместить_панель_автогенерации();
  void Показать_панель_автогенерации();

  Среда среда_;
  Показ_шага показ_шага_;
  std::function<bool(const QUrl&)> открыть_документ_;
  std::function<QString()> выбрать_архив_;
  std::function<std::vector<Том>()> поиск_томов_ = Список_томов;
  Модель_возврата_к_шагу модель_возврата_;
  TФорма_возврат_к_шагу* форма_возврата_ = nullptr;
  TФорма_о_программе* форма_о_программе_ = nullptr;

  QToolBar* панель_управления_ = nullptr;
  Панель_автогенерации* панель_автогенерации_ = nullptr;
  QTabWidget* вкладки_ = nullptr;
  Фреймы_вкладок фреймы_;
  QLabel* панели_состояния_[3] = {};
  QTimer* таймер_ = nullptr;

  QAction* действие_выход_ = nullptr;
  QAction* действие_начать_ = nullptr;
  QAction* действие_продолжить_ = nullptr;
  QAction* действие_возврат_ = nullptr;
  QAction* действие_архивирование_ = nullptr;
  QAction* действие_восстановление_ = nullptr;
  QAction* действие_запомнить_ = nullptr;
  QAction* действие_вспомнить_ = nullptr;
  QAction* действие_сохранить_ = nullptr;
  QAction* действие_описание_ = nullptr;
  QAction* действие_о_программе_ = nullptr;

  bool показано_ = false;
  int запомненная_ширина_окна_ = -1;
  bool прежний_режим_автогенерации_ = true;
  double текущая_дата_ = 0;
};

}  // namespace korvella
