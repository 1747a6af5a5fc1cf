#include "auxiliary/windows/special_room_load_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "auxiliary/windows/pe_dialog_window.h"
#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_нагрузка_классов_в_спецпомещениях;

TФорма_нагрузка_классов_в_спецпомещениях::TФорма_нагрузка_классов_в_спецпомещениях(
    Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель), среда_(среда) {
  кнопка_очистить_ = new QPushButton("Очистить", this);
  кнопка_очистить_->setObjectName("Кнопка_очистить");
  кнопка_физкультуры_ = new QPushButton("Распределить нагрузку классов в спортивных залах", this);
  кнопка_физкультуры_->setObjectName("Кнопка_распределить_нагрузку_в_спортзалах");
  Ряд_кнопок()->insertWidget(0, кнопка_очистить_);
  Ряд_кнопок()->insertWidget(1, кнопка_физкультуры_);
  connect(кнопка_очистить_, &QPushButton::clicked, this, Обработчик([this] {
            модель().Очистить();
            Обновить_ячейки();
          }));
  connect(кнопка_физкультуры_, &QPushButton::clicked, this, Обработчик([this] {
            Завершить_правку(таблица_);
            if (диалог_->Показать_модально()) После_распределения_физкультуры();
          }));
  // "Продолжить" asks the PE questions before the step's own checks.
  disconnect(Кнопка_продолжить(), &QPushButton::clicked, this, nullptr);
  connect(Кнопка_продолжить(), &QPushButton::clicked, this,
          Обработчик([this] { Продолжить_с_вопросами(); }));
}

TФорма_нагрузка_классов_в_спецпомещениях::~TФорма_нагрузка_классов_в_спецпомещениях() = default;

void TФорма_нагрузка_классов_в_спецпомещениях::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  таблица_->verticalHeader()->hide();
  таблица_->verticalHeader()->setDefaultSectionSize(22);
  таблица_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица_->horizontalHeader()->setHighlightSections(false);
  таблица_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  таблица_->setSelectionMode(QAbstractItemView::SingleSelection);
  таблица_->setItemDelegate(new Рисование_ячеек(
      таблица_,
      [this](int строка, int с, bool текущая) { return модель().Цвет(строка + 1, с, текущая); }, 2,
      2));
  new Клавиши_таблицы(таблица_, [this](int строка, int с, char32_t к, bool заменить) {
    if (с < М::kФиксированных_столбцов || !М::Клавиша_допустима(к))
      return с >= М::kФиксированных_столбцов;
    bool принята;
    if (заменить && к != U'\b') {
      принята = модель().Изменить_ячейку(строка + 1, с, std::string(1, static_cast<char>(к)));
    } else {
      принята = модель().Нажать_клавишу(строка + 1, с, к);
    }
    Обновить_ячейки();
    return принята;
  });
  столбец->addWidget(таблица_, 1);
  диалог_ = new TФорма_нагрузка_классов_по_физре(среда_, модель(), this);
  resize(1000, 260);
}

void TФорма_нагрузка_классов_в_спецпомещениях::Загрузить_из_модели() {
  Показать_таблицу();
  if (таблица_->rowCount() > 0 && таблица_->columnCount() > М::kФиксированных_столбцов)
    таблица_->setCurrentCell(0, М::kФиксированных_столбцов);
}

void TФорма_нагрузка_классов_в_спецпомещениях::Показать_таблицу() {
  const auto& м = модель();
  таблица_->setColumnCount(м.Столбцов());
  таблица_->setRowCount(м.Строк() - 1);
  QStringList заголовки;
  for (int с = 0; с < м.Столбцов(); ++с) {
    заголовки << QString::fromStdString(м.Ячейка(0, с));
    таблица_->setColumnWidth(с, с < М::kФиксированных_столбцов ? М::kШирины_фиксированных[с]
                                                               : М::kШирина_столбца_класса);
  }
  таблица_->setHorizontalHeaderLabels(заголовки);
  for (int r = 1; r < м.Строк(); ++r)
    for (int с = 0; с < м.Столбцов(); ++с)
      таблица_->setItem(r - 1, с, Ячейка_только_для_чтения(м.Ячейка(r, с)));
}

void TФорма_нагрузка_классов_в_спецпомещениях::Обновить_ячейки() {
  const auto& м = модель();
  for (int r = 1; r < м.Строк(); ++r)
    for (int с = 0; с < м.Столбцов(); ++с)
      if (auto* ячейка = таблица_->item(r - 1, с))
        ячейка->setText(QString::fromStdString(м.Ячейка(r, с)));
  таблица_->viewport()->update();
}

void TФорма_нагрузка_классов_в_спецпомещениях::Разрешить_ввод(bool можно) {
  (void)можно;
  кнопка_очистить_->setEnabled(модель().Кнопки_нагрузки_доступны());
  кнопка_физкультуры_->setEnabled(модель().Кнопки_нагрузки_доступны());
}

QWidget* TФорма_нагрузка_классов_в_спецпомещениях::Начальный_фокус() { return таблица_; }

void TФорма_нагрузка_классов_в_спецпомещениях::Выбрать_ячейку(QWidget* элемент, int строка,
                                                              int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

void TФорма_нагрузка_классов_в_спецпомещениях::Продолжить_с_вопросами() {
  if (модель().Продолжить_с_вопросами()) {
    QDialog::accept();
    return;
  }
  const auto& отказ =
      модель().Отказ_по_вопросу() ? модель().Отказ_по_вопросу() : модель().Последний_отказ();
  if (отказ) Показать_отказ(*отказ);
}

void TФорма_нагрузка_классов_в_спецпомещениях::После_распределения_физкультуры() {
  Показать_таблицу();
  кнопка_очистить_->setEnabled(false);
  кнопка_физкультуры_->setEnabled(false);
  таблица_->setFocus(Qt::OtherFocusReason);
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, М::kФиксированных_столбцов);
}

}  // namespace korvella
