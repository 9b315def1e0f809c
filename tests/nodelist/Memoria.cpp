#include "Memoria.h"

#include <cstdlib>
#include <new>

namespace {

// Constant-initialised before anything runs, so the first allocations of the
// program find it ready.
bool vigilada = false;
std::size_t esperado = 0;
Memoria cuentas;

}  // namespace

void empezarAVigilar(std::size_t tamanioEsperado) {
  cuentas = Memoria{};
  esperado = tamanioEsperado;
  vigilada = true;
}

Memoria dejarDeVigilar() {
  vigilada = false;
  return cuentas;
}

void* operator new(std::size_t tamanio) {
  if (vigilada) {
    ++cuentas.reservas;
    if (tamanio != esperado) {
      ++cuentas.reservasAjenas;
    }
  }
  void* bloque = std::malloc(tamanio == 0 ? 1 : tamanio);
  if (bloque == nullptr) {
    throw std::bad_alloc();
  }
  return bloque;
}

void operator delete(void* bloque) noexcept {
  if (bloque != nullptr && vigilada) {
    ++cuentas.liberaciones;
  }
  std::free(bloque);
}

void operator delete(void* bloque, std::size_t) noexcept {
  operator delete(bloque);
}
