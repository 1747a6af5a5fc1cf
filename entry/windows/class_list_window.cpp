#include "entry/windows/class_list_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "entry/windows/step_controls.h"
#include "shell/windows/exception_reporter.h"

namespace korvella {

using М = Модель_список_классов;

TФорма_список_классов::TФорма_список_классов(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<М>(среда), родитель) {}

void TФорма_список_классов::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  таблица_ = new QTableWidget(область);
  таблица_->setObjectName(М::kТаблица);
  таблица_->setColumnCount(М::kСтолбцов);
  таблица_->verticalHeader()->hide();
  таблица_->verticalHeader()->setDefaultSectionSize(22);
  таблица_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  таблица_->horizontalHeader()->setHighlightSections(false);
  таблица_->setSelectionMode(QAbstractItemView::SingleSelection);
  int ширина = 0;
  for (int с = 0; с < М::kСтолбцов; ++с) {
    таблица_->setColumnWidth(с, М::kШирины_столбцов[с]);
    ширина += М::kШирины_столбцов[с];
  }
  // The view has no heading row of its own: view row r is the model's row r + 1.
  таблица_->setItemDelegate(new Рисование_ячеек(
      таблица_, [](int строка, int с, bool текущая) { return М::Цвет(строка + 1, с, текущая); },
      М::kОтступ_текста_слева, М::kОтступ_текста_сверху));
  connect(таблица_, &QTableWidget::itemChanged, this, Обработчик([this](QTableWidgetItem* ячейка) {
            if (загрузка_) return;
            const int строка = ячейка->row() + 1, с = ячейка->column();
            модель().Изменить_ячейку(строка, с, ячейка->text().toStdString());
            const QString в_модели = QString::fromStdString(модель().Ячейка(строка, с));
            if (в_модели != ячейка->text()) {
              загрузка_ = true;
              ячейка->setText(в_модели);
              загрузка_ = false;
            }
          }));
  столбец->addWidget(таблица_, 1);
  таблица_->setMinimumWidth(ширина + 22);
  resize(ширина + 230, 520);
}

void TФорма_список_классов::Загрузить_из_модели() {
  const auto& м = модель();
  загрузка_ = true;
  QStringList заголовки;
  for (int с = 0; с < М::kСтолбцов; ++с) заголовки << QString::fromStdString(м.Ячейка(0, с));
  таблица_->setHorizontalHeaderLabels(заголовки);
  таблица_->setRowCount(м.Строк() - 1);
  for (int r = 1; r < м.Строк(); ++r) {
    таблица_->setItem(r - 1, 0, Ячейка_только_для_чтения(м.Ячейка(r, 0)));
    for (int с = 1; с < М::kСтолбцов; ++с)
      таблица_->setItem(r - 1, с, new QTableWidgetItem(QString::fromStdString(м.Ячейка(r, с))));
  }
  загрузка_ = false;
  if (таблица_->rowCount() > 0) таблица_->setCurrentCell(0, М::kСтолбец_имени);
}

void TФорма_список_классов::Передать_в_модель() { Завершить_правку(таблица_); }

void TФорма_список_классов::Разрешить_ввод(bool можно) {
  таблица_->setEditTriggers(можно ? QAbstractItemView::DoubleClicked |
                                        QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::AnyKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
}

QWidget* TФорма_список_классов::Начальный_фокус() { return таблица_; }

void TФорма_список_классов::Показать_отказ(const Отказ& отказ) {
  Загрузить_из_модели();  // the names as "Продолжить" trimmed them
  Окно_шага::Показать_отказ(отказ);
}

void TФорма_список_классов::Выбрать_ячейку(QWidget* элемент, int строка, int столбец) {
  Окно_шага::Выбрать_ячейку(элемент, строка - 1, столбец);
}

}  // namespace korvella
