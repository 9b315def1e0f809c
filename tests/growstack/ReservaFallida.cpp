#include "ReservaFallida.h"

#include <cstddef>
#include <new>

namespace {
bool fallar = false;
}  // namespace

ReservaFallida::ReservaFallida() { fallar = true; }

ReservaFallida::~ReservaFallida() { fallar = false; }

// Replaces the library's non-throwing array allocation for the whole test
// program. The block comes from the ordinary array allocation, so the usual
// delete[] releases it.
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept {
  if (fallar) {
    return nullptr;
  }
  try {
    return ::operator new[](bytes);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
