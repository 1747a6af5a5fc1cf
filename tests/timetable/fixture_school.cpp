#include "fixture_school.h"

#include <algorithm>
#include <map>
#include <random>
#include <string>

namespace korvella::тест {

std::unique_ptr<тип_Главная_запись> Школа(int D, int L, int K, int N, int T,
                                         const std::vector<Строка_плана>& строки) {
  auto з = std::make_unique<тип_Главная_запись>();
  Обнулить_запись(*з);
  з->Количество_учебных_дней_в_неделе = D;
  з->Количество_уроков_в_день = L;
  з->Количество_классов_в_школе = K;
  з->Число_предметов_без_разделений_изучаемых_в_школе = N;
  з->Количество_шатных_преподавателей = T;
  з->Количество_учебных_нагрузок = static_cast<int>(строки.size());
  for (int c = 1; c <= K; ++c) з->Таблица_классов(c).Имя = std::to_string(c) + "А";
  for (int s = 1; s <= N; ++s) з->Список_предметов(s) = "Предмет " + std::to_string(s);
  for (int t = 1; t <= T; ++t) з->Список_преподавателей(t).ФИО = "Учитель " + std::to_string(t);
  int k = 0;
  for (const auto& с : строки) {
    з->Таблица_нагрузок(++k) = {с.предмет, с.класс, с.часы, с.преподаватель};
    if (с.преподаватель >= 1) {
      з->Вектор_нагрузки_преподавателей(с.преподаватель) += с.часы;
      з->Список_преподавателей(с.преподаватель).Нагрузка += с.часы;
    }
    з->Массив_учебного_плана_школы(с.предмет, с.класс) += с.часы;
  }
  for (int c = 1; c <= K; ++c) {
    int часов = 0;
    for (int s = 1; s <= N; ++s) часов += з->Массив_учебного_плана_школы(s, c);
    з->Вектор_нераспределенной_нагрузки_классов(c) = часов;
    // The hours no subject needs are taken by an optional block: the last ones of the week.
    for (int h = D * L; h > часов; --h) з->Таблица_запрещений_на_проведение_уроков(c, h) = 1;
  }
  return з;
}

std::unique_ptr<тип_Главная_запись> Ровная_школа(int D, int L, int K, int T, int предметов,
                                                int часов) {
  std::vector<Строка_плана> строки;
  for (int s = 1; s <= предметов; ++s)
    for (int c = 1; c <= K; ++c)
      строки.push_back({c, s, часов, ((c - 1) + (s - 1) * K) % T + 1});
  return Школа(D, L, K, предметов, T, строки);
}

std::unique_ptr<тип_Главная_запись> Школа_из_недели(
    int D, int L, int K, int T, double доля_запретов, unsigned зерно,
    const std::vector<std::vector<int>>& доступность) {
  std::mt19937 г(зерно);
  std::uniform_real_distribution<double> доля(0.0, 1.0);
  std::vector<std::vector<int>> запрет(K + 1, std::vector<int>(D * L + 1, 0));
  std::vector<std::vector<int>> учитель(K + 1, std::vector<int>(D * L + 1, 0));
  for (int h = 1; h <= D * L; ++h) {
    std::vector<int> классы;
    for (int c = 1; c <= K; ++c) классы.push_back(c);
    std::shuffle(классы.begin(), классы.end(), г);
    std::vector<bool> занят(T + 1, false);
    for (int c : классы) {
      if (доля(г) < доля_запретов) {
        запрет[c][h] = 1;
        continue;
      }
      const int день = (h - 1) / L;
      std::vector<int> можно;
      for (int t = 1; t <= T; ++t) {
        if (занят[t] || (!доступность.empty() && доступность[h][t] == 0)) continue;
        bool уже_сегодня = false;
        for (int x = день * L + 1; x < h; ++x) уже_сегодня |= учитель[c][x] == t;
        if (!уже_сегодня) можно.push_back(t);
      }
      if (можно.empty()) {
        запрет[c][h] = 1;
        continue;
      }
      const int t = можно[г() % можно.size()];
      занят[t] = true;
      учитель[c][h] = t;
    }
  }
  std::vector<Строка_плана> строки;
  int N = 1;
  for (int c = 1; c <= K; ++c) {
    std::map<int, int> часов_пары;
    for (int h = 1; h <= D * L; ++h)
      if (учитель[c][h]) ++часов_пары[учитель[c][h]];
    int s = 0;
    for (const auto& [t, часы] : часов_пары) строки.push_back({c, ++s, часы, t});
    N = std::max(N, s);
  }
  auto з = Школа(D, L, K, N, T, строки);
  for (int c = 1; c <= K; ++c)
    for (int h = 1; h <= D * L; ++h) з->Таблица_запрещений_на_проведение_уроков(c, h) = запрет[c][h];
  return з;
}

std::unique_ptr<тип_Главная_запись> Школа_с_перегруженными_учителями(int K) {
  const int общих = (K + 2) / 3;
  std::vector<Строка_плана> строки;
  for (int c = 1; c <= K; ++c) {
    строки.push_back({c, 1, 4, (c - 1) / 3 + 1});
    строки.push_back({c, 2, 4, общих + 2 * c - 1});
    строки.push_back({c, 3, 2, общих + 2 * c});
  }
  auto з = Школа(5, 7, K, 3, общих + 2 * K, строки);
  for (int c = 1; c <= K; ++c)
    for (int h = 1; h <= 35; ++h) з->Таблица_запрещений_на_проведение_уроков(c, h) = (h - 1) % 7 >= 2;
  return з;
}

Параллелепипед Параллелепипед_школы(const тип_Главная_запись& з) {
  return Формирование_параллелепипеда(з.Количество_классов_в_школе,
                                      з.Количество_шатных_преподавателей,
                                      з.Число_предметов_без_разделений_изучаемых_в_школе,
                                      з.Количество_учебных_нагрузок, з.Таблица_нагрузок);
}

}  // namespace korvella::тест
