// The interface thread owns every widget. A calculation task that wants to
// change a window hands the change over with В_потоке_интерфейса and waits until
// it is done, so the order of the changes is the order of the calls.
#pragma once

#include <functional>
#include <type_traits>

namespace korvella {

bool Поток_интерфейса();

// Runs `дело` on the interface thread and waits for it; on the interface thread
// itself runs it at once. An exception thrown by `дело` reaches the caller.
void В_потоке_интерфейса(const std::function<void()>& дело);

template <class Функция>
auto В_потоке_интерфейса_с_результатом(Функция&& функция) -> decltype(функция()) {
  using Результат = decltype(функция());
  if constexpr (std::is_void_v<Результат>) {
    В_потоке_интерфейса(std::function<void()>(функция));
  } else {
    Результат результат{};
    В_потоке_интерфейса([&] { результат = функция(); });
    return результат;
  }
}

}  // namespace korvella
