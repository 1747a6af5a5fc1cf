// Step 23's window: the number of subjects and their names.
#pragma once

#include "entry/subject_list_model.h"
#include "entry/windows/name_list_window.h"

namespace korvella {

class TФорма_список_предметов_без_разделений : public Окно_списка_имён {
 public:
  TФорма_список_предметов_без_разделений(Среда& среда, QWidget* родитель = nullptr);

 protected:
  std::string Текст_надписи() const override { return м().Надпись_количества(); }
  const std::string& Текст_поля() const override { return м().Поле_количества(); }
  bool Установить_поле(const std::string& т) override { return м().Установить_поле_количества(т); }
  std::string Ввод_количества() override { return м().Ввод_количества(); }
  int Строк() const override { return м().Строк(); }
  std::string Ячейка(int строка, int столбец) const override { return м().Ячейка(строка, столбец); }
  void Изменить(int строка, const std::string& т) override { м().Изменить_название(строка, т); }
  int Текущая_строка() const override { return м().Текущая_строка(); }

 private:
  Модель_списка_предметов& м() const { return Модель_как<Модель_списка_предметов>(); }
};

}  // namespace korvella
