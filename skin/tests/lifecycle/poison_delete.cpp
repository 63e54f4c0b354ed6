// Freed memory is overwritten in these tests, so an object used after it was freed fails at
// once (a call through its overwritten table) instead of reading what happened to be left.
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

void* operator new(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1))
    return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  if (!p)
    return;
  std::memset(p, 0xFE, _msize(p));
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
