#include "ReservaFallida.h"

#include <cstddef>
#include <new>

namespace {
bool fallar = false;
}  // namespace

ReservaFallida::ReservaFallida() { fallar = true; }

ReservaFallida::~ReservaFallida() { fallar = false; }

// Sustituye, en todo el programa de pruebas, la reserva de arrays sin
// excepciones de la biblioteca estándar. El bloque sale de la reserva de
// arrays normal, así que lo libera el delete[] de siempre.
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
