#include "shell/windows/archive_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QWindow>

#include "shell/windows/activity_indicator.h"

namespace korvella {
namespace fs = std::filesystem;

namespace {

// More volumes than this wrap to a further row of the group.
constexpr int kТомов_в_ряду = 4;

QString Текст(const std::string& т) { return QString::fromStdString(т); }

}  // namespace

TФорма_архивирование_данных_расписания::TФорма_архивирование_данных_расписания(
    Диалоги& диалоги, QWidget* главное_окно, Поиск_томов поиск_томов)
    : QDialog(главное_окно), диалоги_(диалоги), поиск_томов_(std::move(поиск_томов)) {
  setObjectName("Форма_архивирование_данных_расписания");
  setWindowTitle("Архивирование данных расписания");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowStaysOnTopHint);
  setModal(true);
  Построить();
  connect(this, &QDialog::finished, this, [this] { Очистить_группы(); });
}

TФорма_архивирование_данных_расписания::~TФорма_архивирование_данных_расписания() = default;

void TФорма_архивирование_данных_расписания::Построить() {
  auto* ряд = new QHBoxLayout(this);
  картинка_ = new QLabel(this);
  картинка_->setObjectName("Картинка_формы_архивирование_данных");
  картинка_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  ряд->addWidget(картинка_);
  auto* столбец = new QVBoxLayout;
  ряд->addLayout(столбец, 1);

  кнопки_томов_ = new QButtonGroup(this);
  группа_установленных_ = new QGroupBox("Выбирите любой логический диск для архивирования", this);
  группа_установленных_->setObjectName("Радиогруппа_установленных_дисков");
  new QGridLayout(группа_установленных_);
  группа_съемных_ = new QGroupBox("Выбирите флешку для архивирования", this);
  группа_съемных_->setObjectName("Радиогруппа_съемных_дисков");
  new QGridLayout(группа_съемных_);
  столбец->addWidget(группа_установленных_);
  столбец->addWidget(new QLabel("или", this), 0, Qt::AlignHCenter);
  столбец->addWidget(группа_съемных_);
  connect(кнопки_томов_, &QButtonGroup::idClicked, this,
          [this](int номер) { При_выборе_тома(тома_.at(static_cast<std::size_t>(номер))); });

  надпись_диска_ = new QLabel(this);
  надпись_диска_->setObjectName("Надпись_диск_выбранный_для_архивирования");
  надпись_диска_->setWordWrap(true);
  столбец->addWidget(надпись_диска_);
  auto* ряд_папки = new QHBoxLayout;
  надпись_папки_ = new QLabel(this);
  надпись_папки_->setObjectName("Надпись_папка_в_выбранном_диске");
  поле_папки_ = new QLineEdit(this);
  поле_папки_->setObjectName("Поле_ввода_имени_папки");
  поле_папки_->setMaxLength(25);
  ряд_папки->addWidget(надпись_папки_);
  ряд_папки->addWidget(поле_папки_, 1);
  столбец->addLayout(ряд_папки);
  надпись_полного_имени_ = new QLabel(this);
  надпись_полного_имени_->setObjectName("Надпись_полное_имя_сохраняемого_файла");
  надпись_полного_имени_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  столбец->addWidget(надпись_полного_имени_);
  столбец->addStretch(1);

  auto* ряд_кнопок = new QHBoxLayout;
  индикатор_ = new Индикатор_активности(Индикатор_активности::Вид::Сектор, 64, this);
  индикатор_->setObjectName("Индикатор_активности");
  индикатор_->hide();
  кнопка_архивировать_ = new QPushButton("Архивировать данные", this);
  кнопка_архивировать_->setObjectName("Кнопка_архивировать_данные");
  кнопка_закрыть_ = new QPushButton("Закрыть", this);
  кнопка_закрыть_->setObjectName("Кнопка_закрыть");
  ряд_кнопок->addWidget(индикатор_);
  ряд_кнопок->addStretch(1);
  ряд_кнопок->addWidget(кнопка_архивировать_, 0, Qt::AlignBottom);
  ряд_кнопок->addWidget(кнопка_закрыть_, 0, Qt::AlignBottom);
  столбец->addLayout(ряд_кнопок);
  connect(кнопка_архивировать_, &QPushButton::clicked, this, [this] { Нажать_архивировать(); });
  connect(кнопка_закрыть_, &QPushButton::clicked, this, [this] { reject(); });
  // The busy indicator keeps its room, so that the window does not jump.
  QSizePolicy место = индикатор_->sizePolicy();
  место.setRetainSizeWhenHidden(true);
  индикатор_->setSizePolicy(место);
  setMinimumWidth(640);
}

void TФорма_архивирование_данных_расписания::showEvent(QShowEvent* событие) {
  картинка_->setPixmap(QPixmap(":/images/Картинка_формы_архивирование_данных.png"));
  группа_установленных_->setEnabled(true);
  группа_съемных_->setEnabled(true);
  кнопка_архивировать_->setEnabled(false);
  кнопка_закрыть_->setEnabled(true);
  надпись_диска_->clear();
  надпись_папки_->clear();
  надпись_полного_имени_->clear();
  поле_папки_->hide();
  поле_папки_->setEnabled(true);
  Заполнить_группы();
  кнопка_закрыть_->setFocus();
  QDialog::showEvent(событие);
}

void TФорма_архивирование_данных_расписания::Заполнить_группы() {
  Очистить_группы();
  тома_ = поиск_томов_();
  int в_группе[2] = {0, 0};
  for (std::size_t i = 0; i < тома_.size(); ++i) {
    const Том& том = тома_[i];
    QGroupBox* группа = том.съёмный ? группа_съемных_ : группа_установленных_;
    auto* кнопка = new QRadioButton(Текст(Путь_для_показа(том.корень)), группа);
    кнопка->setProperty("корень", Текст(том.корень));
    int& n = в_группе[том.съёмный ? 1 : 0];
    static_cast<QGridLayout*>(группа->layout())->addWidget(кнопка, n / kТомов_в_ряду,
                                                           n % kТомов_в_ряду);
    ++n;
    кнопки_томов_->addButton(кнопка, static_cast<int>(i));
  }
}

void TФорма_архивирование_данных_расписания::Очистить_группы() {
  for (QAbstractButton* кнопка : кнопки_томов_->buttons()) {
    кнопки_томов_->removeButton(кнопка);
    delete кнопка;
  }
  тома_.clear();
}

QRadioButton* TФорма_архивирование_данных_расписания::Кнопка_тома(const QString& корень) const {
  for (QAbstractButton* кнопка : кнопки_томов_->buttons()) {
    if (кнопка->property("корень").toString() == корень) return static_cast<QRadioButton*>(кнопка);
  }
  return nullptr;
}

void TФорма_архивирование_данных_расписания::При_выборе_тома(const Том& том) {
  группа_установленных_->setEnabled(false);
  группа_съемных_->setEnabled(false);
  выбранный_том_ = том.корень;
  кнопка_архивировать_->setEnabled(true);
  кнопка_архивировать_->setDefault(true);
  надпись_диска_->setText("Диск выбранный для архивирования: " +
                          Текст(Путь_для_показа(том.корень)));
  надпись_папки_->setText("Папка в выбранном диске:");
  поле_папки_->show();
  поле_папки_->setFocus();
}

void TФорма_архивирование_данных_расписания::Нажать_архивировать() {
  if (идет_архивирование_ || !кнопка_архивировать_->isEnabled()) return;
  const std::string имя = поле_папки_->text().toStdString();
  if (const auto препятствие = Проверка_перед_архивированием(выбранный_том_, имя)) {
    switch (*препятствие) {
      case Препятствие_архивированию::Недопустимое_имя:
        поле_папки_->setFocus();
        диалоги_.Простое_сообщение(Текст_недопустимого_имени_папки(имя));
        return;
      case Препятствие_архивированию::Внутри_папки_программы:
        поле_папки_->setFocus();
        диалоги_.Простое_сообщение(Текст_архива_внутри_папки_программы());
        return;
      case Препятствие_архивированию::Нет_папки_программы:
        надпись_диска_->setText(Текст(Текст_нет_папки_программы()));
        кнопка_архивировать_->setEnabled(false);
        return;
    }
  }
  const fs::path путь = Путь_архива(выбранный_том_, имя);
  std::error_code ошибка;
  if (fs::exists(путь, ошибка) && !диалоги_.Вопрос(Вопрос_о_замене_архива(путь))) return;

  Занятое_состояние(true);
  надпись_диска_->setText("Идет архивирование данных. Дождитель успешного завершения операции ...");
  QThreadPool::globalInstance()->start([this, путь, имя] {
    Результат_архивирования результат{Итог_архивирования::Архив_не_записан, {}};
    std::exception_ptr сбой;
    try {
      результат = Архивирование_данных(путь);
    } catch (...) {
      сбой = std::current_exception();
    }
    QMetaObject::invokeMethod(
        this,
        [this, результат, путь, имя, сбой] {
          if (сбой) std::rethrow_exception(сбой);
          Завершить(результат, путь, имя);
        },
        Qt::QueuedConnection);
  });
}

void TФорма_архивирование_данных_расписания::Занятое_состояние(bool занято) {
  идет_архивирование_ = занято;
  индикатор_->setVisible(занято);
  if (занято) {
    индикатор_->Запустить();
  } else {
    индикатор_->Остановить();
  }
  if (QWindow* окно = windowHandle()) окно->setFlag(Qt::WindowCloseButtonHint, !занято);
  кнопка_архивировать_->setEnabled(!занято);
  кнопка_закрыть_->setEnabled(!занято);
}

void TФорма_архивирование_данных_расписания::Завершить(const Результат_архивирования& результат,
                                                       const fs::path& путь,
                                                       const std::string& имя_папки) {
  Занятое_состояние(false);
  if (результат.итог == Итог_архивирования::Папка_не_создана) {
    // The user may correct the name and try again.
    надпись_диска_->setText("Диск выбранный для архивирования: " +
                            Текст(Путь_для_показа(выбранный_том_)));
    поле_папки_->setFocus();
    QMessageBox окно(QMessageBox::Critical, "Сообщение об ошибке",
                     Текст(Текст_недопустимого_имени_папки(имя_папки)), QMessageBox::Ok, this);
    окно.exec();
    return;
  }
  // One archive per opening of the window.
  кнопка_архивировать_->setEnabled(false);
  поле_папки_->setEnabled(false);
  кнопка_закрыть_->setDefault(true);
  кнопка_закрыть_->setFocus();
  if (результат.итог == Итог_архивирования::Готово) {
    надпись_диска_->setText(Текст(std::string(kАрхивирование_прошло_успешно)));
    надпись_полного_имени_->setText(Текст(Текст_полного_имени_архива(путь)));
  } else {
    надпись_диска_->setText(Текст(std::string(kДанные_не_архивированы)));
    надпись_полного_имени_->setText(Текст(Текст_запрета_архивирования()));
  }
}

void TФорма_архивирование_данных_расписания::reject() {
  if (идет_архивирование_) return;
  QDialog::reject();
}

void TФорма_архивирование_данных_расписания::closeEvent(QCloseEvent* событие) {
  if (идет_архивирование_) {
    событие->ignore();
    return;
  }
  QDialog::closeEvent(событие);
}

}  // namespace korvella
