#include "entry/windows/task_list_window.h"
#include "shell/windows/exception_reporter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace korvella {

TФорма_список_решаемых_задач::TФорма_список_решаемых_задач(Среда& среда, QWidget* родитель)
    : Окно_шага(std::make_unique<Модель_список_решаемых_задач>(среда), родитель) {}

void TФорма_список_решаемых_задач::Построить_элементы(QWidget* область) {
  auto* столбец = new QVBoxLayout(область);
  auto* группа = new QGroupBox("Список решаемых задач для выбора", область);
  auto* список = new QVBoxLayout(группа);
  const auto& описания = Модель_список_решаемых_задач::Переключатели();
  for (int i = 0; i < static_cast<int>(описания.size()); ++i) {
    auto* п = new QCheckBox(QString::fromUtf8(описания[i].надпись), группа);
    п->setObjectName(QString::fromUtf8(описания[i].имя));
    // `clicked` comes from the user only, so showing the record's flags writes nothing.
    if (const auto* задача = Модель_список_решаемых_задач::Задача_переключателя(i)) {
      const auto з = *задача;
      connect(п, &QCheckBox::clicked, this, Обработчик([this, п, з](bool отмечен) {
                if (!модель().Отметить(з, отмечен)) п->setChecked(модель().Отмечена(з));
              }));
    }
    переключатели_[i] = п;
    список->addWidget(п);
  }
  столбец->addWidget(группа);
  столбец->addStretch(1);
  resize(420, 300);
}

void TФорма_список_решаемых_задач::Загрузить_из_модели() {
  for (int i = 0; i < static_cast<int>(переключатели_.size()); ++i) {
    const auto* задача = Модель_список_решаемых_задач::Задача_переключателя(i);
    переключатели_[i]->setChecked(задача == nullptr || модель().Отмечена(*задача));
  }
}

void TФорма_список_решаемых_задач::Разрешить_ввод(bool можно) {
  for (int i = 0; i < static_cast<int>(переключатели_.size()); ++i)
    переключатели_[i]->setEnabled(можно && Модель_список_решаемых_задач::Задача_переключателя(i));
}

}  // namespace korvella
