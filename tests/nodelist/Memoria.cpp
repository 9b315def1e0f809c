#include "Memoria.h"

#include <cstdlib>
#include <new>

namespace {

// Se inicializan con constantes antes de que se ejecute nada, así que las
// primeras reservas del programa ya los encuentran listos.
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
