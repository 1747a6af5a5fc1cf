#include "shell/windows/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "core/data_files.h"
#include "shell/file_actions.h"
#include "shell/windows/about_window.h"
#include "shell/windows/autogeneration_panel.h"
#include "shell/windows/exception_reporter.h"
#include "shell/windows/restore_window.h"
#include "shell/windows/return_to_step_window.h"

namespace korvella {

TГлавная_форма::TГлавная_форма(тип_Главная_запись& запись, Диалоги& диалоги,
                               const Фабрика_фреймов_вкладок& фабрика, QWidget* родитель)
    : QMainWindow(родитель),
      среда_{запись, диалоги, *this},
      открыть_документ_([](const QUrl& адрес) { return QDesktopServices::openUrl(адрес); }),
      выбрать_архив_([this] { return Выбор_архивного_файла(this); }),
      модель_возврата_(среда_) {
  setObjectName("Главная_форма");
  setWindowIcon(QIcon(":/images/program.png"));
  Создать_действия();
  Создать_меню();
  Создать_панель_управления();
  Создать_вкладки(фабрика);
  Создать_строку_состояния();
  setWindowTitle(QString::fromStdString(Заголовок_окна(запись)));
  форма_о_программе_ = new TФорма_о_программе(this);
  форма_возврата_ = new TФорма_возврат_к_шагу(модель_возврата_, this);

  таймер_ = new QTimer(this);
  таймер_->setObjectName("Таймер_главной_формы");
  таймер_->setInterval(125);
  connect(таймер_, &QTimer::timeout, this, Обработчик([this] { Тик_таймера(); }));
  таймер_->start();
}

TГлавная_форма::~TГлавная_форма() = default;

void TГлавная_форма::Создать_действия() {
  auto Действие = [this](const char* имя, const char* текст, QKeySequence клавиши,
                         auto&& что_делать) {
    auto* д = new QAction(текст, this);
    д->setObjectName(имя);
    if (!клавиши.isEmpty()) д->setShortcut(клавиши);
    connect(д, &QAction::triggered, this,
            Обработчик(std::forward<decltype(что_делать)>(что_делать)));
    return д;
  };
  действие_выход_ =
      Действие("Действие_выход", "Выход", QKeySequence("Ctrl+Q"), [this] { close(); });
  действие_выход_->setToolTip("Выход из программы");
  действие_выход_->setIcon(QIcon(":/images/exit.png"));
  действие_начать_ = Действие("Действие_начать", "Начать новую задачу", QKeySequence("Ctrl+N"),
                              [this] { Начать(); });
  действие_начать_->setToolTip("Начать нувую задачу");
  действие_начать_->setIcon(QIcon(":/images/new_task.png"));
  действие_продолжить_ = Действие("Действие_продолжить", "Продолжить начатую задачу",
                                  QKeySequence("Ctrl+P"), [this] { Продолжить(); });
  действие_продолжить_->setToolTip("Продолжить начатую задачу");
  действие_продолжить_->setIcon(QIcon(":/images/continue_task.png"));
  // Ctrl+V belongs to two actions; one short-cut below decides which one runs.
  действие_возврат_ = Действие("Действие_возврат_к_шагу", "Возврат к пройденному шагу ...",
                               QKeySequence(), [this] { Возврат(); });
  действие_возврат_->setToolTip("Возврать к пройденному шагу");
  // A tool button drops a trailing "..." from the text unless told otherwise.
  действие_возврат_->setIconText("Возврат к пройденному шагу ...");
  действие_возврат_->setIcon(QIcon(":/images/return_to_step.png"));
  действие_архивирование_ = Действие("Действие_архивирование", "Архивирование расписания",
                                     QKeySequence("F2"), [this] { Архивирование(); });
  действие_восстановление_ = Действие("Действие_восстановление", "Восстановление расписания",
                                      QKeySequence("F3"), [this] { Восстановление(); });
  действие_запомнить_ =
      Действие("Действие_запомнить_расписание", "Запомнить текущее расписание",
               QKeySequence("Ctrl+Z"), [this] { korvella::Действие_запомнить_расписание(среда_); });
  действие_вспомнить_ = Действие(
      "Действие_вспомнить_расписание", "Вспомнить расписание\tCtrl+V", QKeySequence(), [this] {
        korvella::Действие_вспомнить_расписание(среда_, [this] { Стартовая_последовательность(); });
      });
  действие_сохранить_ =
      Действие("Действие_сохранить_расписание", "Сохранить расписание", QKeySequence("Ctrl+S"),
               [this] { Действие_сохранить_расписание(среда_); });
  addAction(действие_сохранить_);
  действие_описание_ = Действие("Действие_показать_описание", "Руководство пользователя",
                                QKeySequence("F1"), [this] { Показать_руководство(); });
  действие_о_программе_ = Действие("Действие_о_программе", "О программе", QKeySequence("Ctrl+O"),
                                   [this] { форма_о_программе_->exec(); });

  auto* ctrl_v = new QShortcut(QKeySequence("Ctrl+V"), this);
  ctrl_v->setObjectName("Клавиши_Ctrl_V");
  connect(ctrl_v, &QShortcut::activated, this, Обработчик([this] { Нажатие_Ctrl_V(); }));
}

void TГлавная_форма::Создать_меню() {
  QMenu* файл = menuBar()->addMenu("Файл");
  файл->addAction(действие_запомнить_);
  файл->addAction(действие_вспомнить_);
  файл->addSeparator();
  файл->addAction(действие_архивирование_);
  файл->addAction(действие_восстановление_);
  файл->addSeparator();
  файл->addAction(действие_выход_);
  QMenu* помощь = menuBar()->addMenu("Помощь");
  помощь->addAction(действие_описание_);
  помощь->addSeparator();
  помощь->addAction(действие_о_программе_);
}

void TГлавная_форма::Создать_панель_управления() {
  панель_управления_ = new QToolBar("Панель управления", this);
  панель_управления_->setObjectName("Панель_управления_главного_окна");
  панель_управления_->setMovable(false);
  панель_управления_->setFloatable(false);
  панель_управления_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  панель_управления_->setIconSize(QSize(20, 20));
  панель_управления_->setFixedHeight(44);
  панель_управления_->toggleViewAction()->setEnabled(false);
  for (QAction* д : {действие_выход_, действие_начать_, действие_продолжить_, действие_возврат_}) {
    панель_управления_->addAction(д);
    if (auto* кнопка = qobject_cast<QToolButton*>(панель_управления_->widgetForAction(д))) {
      кнопка->setMinimumSize(60, 40);
    }
  }
  addToolBar(Qt::TopToolBarArea, панель_управления_);
  // The panel keeps its own place on the bar rather than following the buttons.
  панель_автогенерации_ = new Панель_автогенерации(панель_управления_);
  панель_автогенерации_->При_щелчке([this] { Переключить_автогенерацию(); });
  Разместить_панель_автогенерации();
}

void TГлавная_форма::Разместить_панель_автогенерации() {
  // At x = 586, unless the buttons' captions in this font reach further.
  int x = 586;
  if (QWidget* последняя = панель_управления_->widgetForAction(действие_возврат_)) {
    x = std::max(x, последняя->geometry().right() + 12);
  }
  панель_автогенерации_->adjustSize();
  панель_автогенерации_->move(x,
                              (панель_управления_->height() - панель_автогенерации_->height()) / 2);
  панель_автогенерации_->raise();
}

void TГлавная_форма::Создать_вкладки(const Фабрика_фреймов_вкладок& фабрика) {
  вкладки_ = new QTabWidget(this);
  вкладки_->setObjectName("Набор_страниц_главной_формы");
  фреймы_ = фабрика(среда_, вкладки_);
  вкладки_->addTab(фреймы_.классы, "Расписание классов");
  вкладки_->addTab(фреймы_.преподаватели, "Расписание преподавателей");
  вкладки_->addTab(фреймы_.кабинеты, "Расписание кабинетов");
  вкладки_->addTab(фреймы_.замены, "Замены преподавателей");
  вкладки_->addTab(фреймы_.расписание_замен, "Расписание замен");
  вкладки_->addTab(фреймы_.журнал_замен, "Журнал замен преподавателей");
  setCentralWidget(вкладки_);
  connect(вкладки_, &QTabWidget::currentChanged, this,
          Обработчик([this](int вкладка) { При_смене_вкладки(вкладка); }));
}

void TГлавная_форма::Создать_строку_состояния() {
  QStatusBar* строка = statusBar();
  строка->setObjectName("Строка_состояния_главного_окна");
  строка->setSizeGripEnabled(false);
  // The panes' widths, at least; a wider font than Tahoma widens them so the
  // longest text still fits.
  const int ширины[3] = {195, 130, 280};
  const char* образцы[3] = {"Последняя показанная форма = 29", "Автогененация = Нет",
                            "Общее количество преподавателей в школе = 999"};
  for (int i = 0; i < 3; ++i) {
    панели_состояния_[i] = new QLabel(строка);
    const int нужно = панели_состояния_[i]->fontMetrics().horizontalAdvance(образцы[i]) + 12;
    панели_состояния_[i]->setFixedWidth(std::max(ширины[i], нужно));
    панели_состояния_[i]->setFrameShape(QFrame::StyledPanel);
    строка->addWidget(панели_состояния_[i]);
  }
  Показать_последнюю_форму(среда_.запись.Последняя_показанная_форма);
  панели_состояния_[1]->setText(среда_.режим_автогенерации ? "Автогененация = Да"
                                                           : "Автогененация = Нет");
  Показать_количество_преподавателей(среда_.запись.Общее_количество_преподавателей_в_школе);
}

void TГлавная_форма::showEvent(QShowEvent* событие) {
  Обработать_событие([&] {
    QMainWindow::showEvent(событие);
    Разместить_панель_автогенерации();
    if (показано_) return;
    показано_ = true;
    // After the window is on the screen, so that a question about a damaged data
    // file has a window to stand over.
    QTimer::singleShot(0, this, Обработчик([this] { Стартовая_последовательность(); }));
  });
}

void TГлавная_форма::closeEvent(QCloseEvent* событие) {
  Обработать_событие([&] {
    Сохранение_главной_записи(среда_.запись);
    событие->accept();
  });
}

void TГлавная_форма::changeEvent(QEvent* событие) {
  Обработать_событие([&] {
    QMainWindow::changeEvent(событие);
    if (событие->type() == QEvent::ActivationChange && isActiveWindow()) При_активации();
  });
}

void TГлавная_форма::Стартовая_последовательность() {
  Очистить_вкладку_классов();
  Загрузка_главной_записи(среда_.запись, среда_.диалоги);
  Обновление_вкладки_классов(среда_);
  Обновить_заголовок_окна();
  Проверка_наличия_файла_журнала_замен();
  // The window was activated before the data were there: show what was loaded,
  // and let the next timer tick lay the grids out for the loaded school.
  При_активации();
  Сбросить_запомненную_ширину_окна();
}

void TГлавная_форма::При_смене_вкладки(int вкладка) {
  if (вкладка == 0) {
    Обновление_вкладки_классов(среда_);
  } else if (auto* фрейм = dynamic_cast<Фрейм_вкладки*>(вкладки_->widget(вкладка))) {
    фрейм->Обновить();
  }
  Показать_панель_автогенерации();
}

void TГлавная_форма::Показать_панель_автогенерации() {
  панель_автогенерации_->setVisible(вкладки_->currentIndex() == 0);
}

}  // namespace korvella
