#include "shell/windows/dialog_windows.h"
#include "shell/windows/exception_reporter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace korvella {
namespace {

// The common frame of the three windows: white, a 48×48 picture on the left, a
// word-wrapping text beside it, the buttons under the text on the right.
struct Размеры {
  int ширина, высота;  // client size as the windows are drawn
  int ширина_текста, высота_текста;
};

QLabel* Создать_каркас(QDialog* окно, const char* заголовок, const char* картинка,
                       const char* имя_текста, const Размеры& р) {
  окно->setWindowTitle(заголовок);
  окно->setModal(true);
  окно->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
  окно->setAutoFillBackground(true);
  QPalette палитра = окно->palette();
  палитра.setColor(QPalette::Window, Qt::white);
  окно->setPalette(палитра);
  auto* рисунок = new QLabel(окно);
  рисунок->setPixmap(QPixmap(картинка));
  рисунок->setGeometry(16, 14, 48, 48);
  auto* текст = new QLabel(окно);
  текст->setObjectName(имя_текста);
  текст->setWordWrap(true);
  текст->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  текст->setGeometry(80, 8, р.ширина_текста, р.высота_текста);
  окно->setFixedSize(р.ширина, р.высота);
  return текст;
}

QPushButton* Кнопка(QDialog* окно, const char* текст, const char* имя) {
  auto* к = new QPushButton(текст, окно);
  к->setObjectName(имя);
  к->resize(75, 25);
  return к;
}

// A long text does not fit the label's fixed height: the window grows with it
// instead of cutting the text off.
void Уложить(QDialog* окно, QLabel* текст, const Размеры& р,
             std::initializer_list<QPushButton*> кнопки) {
  const int нужно = std::max(р.высота_текста, текст->heightForWidth(р.ширина_текста));
  текст->resize(р.ширина_текста, нужно);
  const int высота = р.высота + (нужно - р.высота_текста);
  окно->setFixedSize(р.ширина, высота);
  int x = р.ширина - 12;
  for (auto it = std::rbegin(кнопки); it != std::rend(кнопки); ++it) {
    x -= (*it)->width();
    (*it)->move(x, высота - (*it)->height() - 8);
    x -= 8;
  }
}

void По_центру(QWidget* окно, const QWidget* над) {
  QRect область;
  if (над != nullptr && над->isVisible()) {
    область = над->frameGeometry();
  } else if (QScreen* экран = QApplication::primaryScreen()) {
    область = экран->availableGeometry();
  }
  if (!область.isEmpty()) окно->move(область.center() - окно->rect().center());
}

// The windows have no parent (they outlive every other window); the window
// manager still keeps each above the window that was active when it opened.
void Поверх_активного_окна(QDialog* окно) {
  QWidget* активное = QApplication::activeWindow();
  if (активное == nullptr || активное == окно) return;
  окно->winId();
  if (окно->windowHandle() && активное->windowHandle()) {
    окно->windowHandle()->setTransientParent(активное->windowHandle());
  }
}

constexpr Размеры kОшибка{560, 101, 434, 50};
constexpr Размеры kСообщение{537, 96, 408, 42};
constexpr Размеры kВопрос{537, 96, 400, 45};

}  // namespace

TФорма_сообщение_об_ошибке::TФорма_сообщение_об_ошибке(QWidget* родитель) : QDialog(родитель) {
  setObjectName("Форма_сообщение_об_ошибке");
  текст_ = Создать_каркас(this, "Сообщение об ошибке", ":/images/error.png",
                          "Область_текста_сообщения", kОшибка);
  закрыть_ = Кнопка(this, "Закрыть", "Кнопка_закрыть");
  закрыть_->setDefault(true);
  connect(закрыть_, &QPushButton::clicked, this, Обработчик([this] { accept(); }));
}

void TФорма_сообщение_об_ошибке::Показать(const QString& Текст_сообщения) {
  текст_->setText(Текст_сообщения);
  Уложить(this, текст_, kОшибка, {закрыть_});
  Поверх_активного_окна(this);
  По_центру(this, nullptr);
  закрыть_->setFocus();
  exec();
}

TФорма_сообщение::TФорма_сообщение(QWidget* главное_окно) : главное_окно_(главное_окно) {
  setObjectName("Форма_сообщение");
  текст_ = Создать_каркас(this, "Сообщение", ":/images/message.png", "Надпись_текст_сообщения",
                          kСообщение);
  закрыть_ = Кнопка(this, "Закрыть", "Кнопка_закрыть");
  закрыть_->setDefault(true);
  connect(закрыть_, &QPushButton::clicked, this, Обработчик([this] { accept(); }));
}

void TФорма_сообщение::Показать(const QString& Текст_информации) {
  текст_->setText("\n" + Текст_информации);
  Уложить(this, текст_, kСообщение, {закрыть_});
  Поверх_активного_окна(this);
  По_центру(this, главное_окно_);
  закрыть_->setFocus();
  exec();
}

TФорма_вопрос_с_выбором::TФорма_вопрос_с_выбором(QWidget* родитель) : QDialog(родитель) {
  setObjectName("Форма_вопрос_с_выбором");
  текст_ =
      Создать_каркас(this, "Вопрос", ":/images/question.png", "Надпись_текст_вопроса", kВопрос);
  // A title and nothing else: no close box, no system menu.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  да_ = Кнопка(this, "Да", "Кнопка_да");
  нет_ = Кнопка(this, "Нет", "Кнопка_нет");
  connect(да_, &QPushButton::clicked, this, Обработчик([this] {
            ответ_да_ = true;
            отвечено_ = true;
            done(QDialog::Accepted);
          }));
  connect(нет_, &QPushButton::clicked, this, Обработчик([this] {
            отвечено_ = true;
            done(QDialog::Rejected);
          }));
}

bool TФорма_вопрос_с_выбором::Спросить(const QString& Текст_вопроса) {
  ответ_да_ = false;
  отвечено_ = false;
  текст_->setText(Текст_вопроса);
  Уложить(this, текст_, kВопрос, {да_, нет_});
  Поверх_активного_окна(this);
  По_центру(this, nullptr);
  // Enter right after opening answers "Нет".
  нет_->setDefault(true);
  нет_->setFocus();
  exec();
  return ответ_да_;
}

void TФорма_вопрос_с_выбором::closeEvent(QCloseEvent* событие) {
  Обработать_событие([&] {
    if (!отвечено_) событие->ignore();
  });
}

}  // namespace korvella
