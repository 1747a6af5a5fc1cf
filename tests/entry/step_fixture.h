// A fresh record, scripted dialogs and a main window that remembers what the
// steps asked of it: enough to drive a step model as a user would.
#pragma once

#include <memory>
#include <vector>

#include "core/dialogs.h"
#include "core/main_record.h"
#include "core/random.h"
#include "shell/environment.h"

namespace korvella::testing {

class Оболочка_с_журналом : public Оболочка {
 public:
  void Заполнить_слой_вкладки_классов(Слой_вкладки_классов слой) override { слои.push_back(слой); }
  void Сбросить_запомненную_ширину_окна() override { ++сбросов_ширины; }

  std::vector<Слой_вкладки_классов> слои;
  int сбросов_ширины = 0;
};

struct Стенд {
  Стенд() : запись_(std::make_unique<тип_Главная_запись>()), среда{*запись_, диалоги, оболочка} {
    Установить_главное_зерно(20260211);
    запись().Последняя_показанная_форма = -1;
  }
  ~Стенд() { Снять_главное_зерно(); }

  тип_Главная_запись& запись() { return *запись_; }
  std::vector<std::string> Ошибки() const {
    return диалоги.Тексты(Диалоги_по_сценарию::Вид::Ошибка);
  }

  // A school of C classes over P year groups (grades down from 9 + P − 5), in
  // the given mode, as steps 1–3 leave it.
  void Школа(int C, int P, int дней, int уроков, std::vector<int> классов_в_параллели) {
    auto& з = запись();
    з.Количество_классов_в_школе = C;
    з.Количество_параллелей_в_школе = P;
    з.Номер_старшей_параллели = P + 4;
    з.Количество_учебных_дней_в_неделе = дней;
    з.Количество_уроков_в_день = уроков;
    int k = 0;
    for (int p = 1; p <= P; ++p) {
      з.Вектор_с_количеством_классов_в_параллеле(p) = классов_в_параллели[p - 1];
      for (int j = 1; j <= классов_в_параллели[p - 1]; ++j) {
        ++k;
        з.Таблица_классов(k).Имя = std::to_string(P + 5 - p) + "-" + std::to_string(j);
        з.Таблица_классов(k).Параллель = p;
      }
    }
  }

 private:
  std::unique_ptr<тип_Главная_запись> запись_;

 public:
  Диалоги_по_сценарию диалоги;
  Оболочка_с_журналом оболочка;
  Среда среда;
};

}  // namespace korvella::testing
