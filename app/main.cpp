// korvella: the timetable planner's desktop program.
#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>
#include <exception>

#include "app/program_steps.h"
#include "app/program_windows.h"
#include "core/main_record.h"
#include "shell/windows/exception_reporter.h"
#include "shell/windows/main_window.h"
#include "shell/windows/single_instance.h"
#include "shell/windows/window_dialogs.h"

namespace {

// Tahoma 8 pt where it is installed, else the default sans font at 8 pt.
void Установить_шрифт(QApplication& приложение) {
  QFont шрифт = приложение.font();
  if (QFontDatabase::hasFamily("Tahoma")) шрифт.setFamily("Tahoma");
  шрифт.setPointSize(8);
  приложение.setFont(шрифт);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace korvella;
  Приложение_корвелла приложение(argc, argv);
  QApplication::setApplicationName("korvella");
  QApplication::setWindowIcon(QIcon(":/images/program.png"));
  Установить_шрифт(приложение);

  Единственный_экземпляр экземпляр;
  if (!экземпляр.Захватить()) {
    QMessageBox окно(QMessageBox::NoIcon, Заголовок_окна_сообщения(), kУже_запущена,
                     QMessageBox::Ok);
    окно.exec();
    return 0;
  }

  try {
    const Реестр_шагов реестр = Реестр_всех_шагов();
    Диалоги_окнами диалоги;
    приложение.Установить_диалоги(&диалоги);
    TГлавная_форма главная_форма(Главная_запись, диалоги, Создать_фреймы_вкладок);
    диалоги.Установить_главное_окно(&главная_форма);
    Окна_шагов окна_шагов(главная_форма.Среда_программы(), реестр, &главная_форма,
                          Окна_шагов_программы());
    главная_форма.Установить_показ_шага(окна_шагов.Как_показ_шага());
    главная_форма.showMaximized();
    return приложение.exec();
  } catch (...) {
    приложение.Сообщить_об_исключении(std::current_exception());
  }
  return 1;
}
