#include "timetable/assignment.h"

#include <algorithm>
#include <limits>

#include "core/failure.h"

namespace korvella {
namespace {
constexpr std::int64_t kБесконечность = std::numeric_limits<std::int64_t>::max();

template <class T>
void Расширить(std::vector<T>& буфер, int размер) {
  if (static_cast<int>(буфер.size()) < размер) буфер.resize(размер);
}
}  // namespace

Решатель_назначений::Решатель_назначений(int наибольшее_строк, int наибольшее_столбцов) {
  Подготовить({nullptr, наибольшее_строк, наибольшее_столбцов, 0});
  события_.reserve(наибольшее_столбцов);
  n_ = m_ = 0;
}

void Решатель_назначений::Подготовить(Вид_весов веса) {
  веса_ = веса;
  n_ = веса.строк;
  m_ = веса.столбцов;
  // Buffers only grow, so the hourly calls of one size never allocate.
  Расширить(u_, n_);
  Расширить(столбец_строки_, n_);
  Расширить(очередь_, n_);
  Расширить(в_очереди_, n_);
  Расширить(v_, m_);
  Расширить(строка_столбца_, m_);
  Расширить(метка_, m_);
  Расширить(запас_, m_);
  Расширить(строка_запаса_, m_);
}

void Решатель_назначений::Решить(Вид_весов веса, int32* назначение,
                                 const Столбцы_строк* разреженность) {
  Подготовить(веса);
  разреженность_ = разреженность;
  if (n_ <= 0 || m_ <= 0) {
    std::fill(назначение, назначение + std::max(n_, 0), 0);
    return;
  }
  Привести();
  Начальное_назначение();
  int назначено = 0;
  for (int i = 0; i < n_; ++i)
    if (столбец_строки_[i] >= 0) ++назначено;
  for (const int нужно = std::min(n_, m_); назначено < нужно; ++назначено) Найти_увеличение();
  for (int i = 0; i < n_; ++i) назначение[i] = столбец_строки_[i] + 1;
}

void Решатель_назначений::Привести() {
  std::fill_n(u_.begin(), n_, 0);
  std::fill_n(v_.begin(), m_, 0);
  if (m_ >= n_) {
    // With v still 0, a row's smallest reduced cost is its largest weight negated.
    for (int i = 0; i < n_; ++i) {
      const int32* строка = веса_.начало + i * веса_.шаг;
      int32 наибольший = строка[0];
      if (разреженность_) {
        const int* столбцы = разреженность_->столбцы;
        const int начало = разреженность_->начала[i], конец = разреженность_->начала[i + 1];
        // An unlisted column weighs 0, and no weight is below 0.
        наибольший = 0;
        for (int k = начало; k < конец; ++k) наибольший = std::max(наибольший, строка[столбцы[k]]);
      } else {
        for (int j = 1; j < m_; ++j) наибольший = std::max(наибольший, строка[j]);  // vectorises
      }
      u_[i] = -static_cast<std::int64_t>(наибольший);
    }
  }
  if (m_ <= n_) {
    for (int j = 0; j < m_; ++j) {
      std::int64_t минимум = kБесконечность;
      for (int i = 0; i < n_; ++i) минимум = std::min(минимум, Стоимость(i, j));
      v_[j] = минимум;
    }
  }
}

void Решатель_назначений::Начальное_назначение() {
  std::fill_n(столбец_строки_.begin(), n_, -1);
  std::fill_n(строка_столбца_.begin(), m_, -1);
  // Without a column reduction v is 0, and a row's zeros are its largest weights.
  const bool без_столбцов = m_ > n_;
  for (int i = 0; i < n_; ++i) {
    const int32* строка = веса_.начало + i * веса_.шаг;
    const std::int64_t наибольший = -u_[i];
    if (без_столбцов && разреженность_ && наибольший > 0) {
      // The row's zeros are its largest weights, all among its listed columns.
      const int* столбцы = разреженность_->столбцы;
      for (int k = разреженность_->начала[i]; k < разреженность_->начала[i + 1]; ++k) {
        const int j = столбцы[k];
        if (строка[j] == наибольший && строка_столбца_[j] < 0) {
          столбец_строки_[i] = j;
          строка_столбца_[j] = i;
          break;
        }
      }
      continue;
    }
    for (int j = 0; j < m_; ++j) {
      const bool ноль = без_столбцов ? строка[j] == наибольший
                                     : -static_cast<std::int64_t>(строка[j]) == u_[i] + v_[j];
      if (ноль && строка_столбца_[j] < 0) {
        столбец_строки_[i] = j;
        строка_столбца_[j] = i;
        break;
      }
    }
  }
}

void Решатель_назначений::Поставить_в_очередь(int строка) {
  очередь_[хвост_++] = строка;
  в_очереди_[строка] = 1;
}

void Решатель_назначений::Найти_увеличение() {
  std::fill_n(метка_.begin(), m_, -1);
  std::fill_n(запас_.begin(), m_, kБесконечность);
  std::fill_n(строка_запаса_.begin(), m_, -1);
  std::fill_n(в_очереди_.begin(), n_, 0);
  голова_ = хвост_ = 0;
  for (int i = 0; i < n_; ++i)
    if (столбец_строки_[i] < 0) Поставить_в_очередь(i);
  // A free column stays unlabelled until the search augments, so every
  // adjustment finds a finite δ and labels at least one more column.
  while (!Просмотреть_очередь() && !Сдвинуть()) {
  }
}

bool Решатель_назначений::Просмотреть_очередь() {
  while (голова_ < хвост_) {
    const int r = очередь_[голова_++];
    for (int j = 0; j < m_; ++j) {
      if (метка_[j] >= 0) continue;
      const std::int64_t c = Стоимость(r, j);
      if (c == 0) {
        метка_[j] = r;
        if (строка_столбца_[j] < 0) {
          Увеличить(j);
          return true;
        }
        Поставить_в_очередь(строка_столбца_[j]);
      } else if (c < запас_[j]) {
        запас_[j] = c;
        строка_запаса_[j] = r;
      } else if (c == запас_[j] && r < строка_запаса_[j]) {
        // The queue is not in row order; an adjustment's zero belongs to the lowest row.
        строка_запаса_[j] = r;
      }
    }
  }
  return false;
}

bool Решатель_назначений::Сдвинуть() {
  std::int64_t δ = kБесконечность;
  for (int j = 0; j < m_; ++j)
    if (метка_[j] < 0) δ = std::min(δ, запас_[j]);
  Проверить(δ > 0 && δ < kБесконечность,
            "Модуль: Максимальное_паросочетание - нет сдвига для продолжения поиска.");

  // The sets of the adjustment are those of this moment: rows queued now,
  // columns labelled now.
  for (int i = 0; i < n_; ++i)
    if (в_очереди_[i]) u_[i] += δ;
  события_.clear();
  for (int j = 0; j < m_; ++j) {
    if (метка_[j] >= 0) {
      v_[j] -= δ;
    } else {
      запас_[j] -= δ;
      if (запас_[j] == 0) события_.push_back({строка_запаса_[j], j});
    }
  }
  // Rewriting the matrix row after row, column after column, would meet the new
  // zeros in this order; a column goes to the lowest row that reaches 0 in it.
  std::sort(события_.begin(), события_.end(), [](const Событие& a, const Событие& b) {
    return a.строка != b.строка ? a.строка < b.строка : a.столбец < b.столбец;
  });
  for (const Событие& с : события_) {
    метка_[с.столбец] = с.строка;
    if (строка_столбца_[с.столбец] < 0) {
      Увеличить(с.столбец);
      return true;
    }
    Поставить_в_очередь(строка_столбца_[с.столбец]);
  }
  return false;
}

void Решатель_назначений::Увеличить(int столбец) {
  for (int j = столбец;;) {
    const int r = метка_[j];
    const int прежний = столбец_строки_[r];
    столбец_строки_[r] = j;
    строка_столбца_[j] = r;
    if (прежний < 0) return;
    j = прежний;
  }
}

void Большое_максимальное_паросочетание(Решатель_назначений& решатель, Вид_весов веса,
                                        Вектор<int32, kМаксимум_преподавателей>& назначение) {
  Под_охраной("Большое_максимальное_паросочетание", [&] {
    KORVELLA_INDEX_CHECK(веса.строк <= kМаксимум_преподавателей);
    KORVELLA_INDEX_CHECK(веса.столбцов <= kМаксимум_учебных_нагрузок);
    решатель.Решить(веса, &назначение(1));
  });
}

void Максимальное_паросочетание(Решатель_назначений& решатель, const Матрица_весов_часа& веса,
                                int классов, int преподавателей,
                                Вектор<int32, kМаксимум_классов>& назначение,
                                const Столбцы_строк* разреженность) {
  Под_охраной("Максимальное_паросочетание", [&] {
    решатель.Решить(Вид_матрицы(веса, классов, преподавателей), &назначение(1), разреженность);
  });
}

}  // namespace korvella
