#pragma once
// An object whose memory is overwritten as it is freed, as Wine's heap checks do: a use after
// that reads garbage and fails at once instead of passing by luck. For tests inside the
// program's own process.
#include <cstddef>
#include <cstring>
#include <new>

namespace driver {

template <class T> class Poisoned : public T {
public:
  using T::T;
  static void operator delete(void* p, std::size_t size) {
    std::memset(p, 0xFE, size);
    ::operator delete(p);
  }
};

}  // namespace driver
