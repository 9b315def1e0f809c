#include "ColaFiguras.h"

#include <utility>

ColaFiguras::ColaFiguras() = default;

void ColaFiguras::insertar(std::unique_ptr<Figura> figura) {
  if (!figura) {
    return;  // Null would read as an empty slot.
  }
  for (std::unique_ptr<Figura>& hueco : elementos) {
    if (!hueco) {
      hueco = std::move(figura);
      return;
    }
  }
  // Full: `figura` goes out of scope here and deletes the refused shape.
}

Figura ColaFiguras::sacar() {
  if (!elementos[0]) {
    return Figura("", "");
  }
  const std::unique_ptr<Figura> frente = std::move(elementos[0]);
  for (int i = 1; i < kCapacidad && elementos[i]; ++i) {
    elementos[i - 1] = std::move(elementos[i]);
  }
  // The copy is taken before `frente` deletes the shape.
  return Figura(*frente);
}

void ColaFiguras::borrar() {
  for (std::unique_ptr<Figura>& hueco : elementos) {
    hueco.reset();
  }
}

const Figura* ColaFiguras::getElemento(int posicion) const {
  if (posicion < 0 || posicion >= kCapacidad) {
    return nullptr;
  }
  return elementos[posicion].get();
}
