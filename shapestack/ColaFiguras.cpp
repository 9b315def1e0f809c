#include "ColaFiguras.h"

#include <utility>

ColaFiguras::ColaFiguras() = default;

void ColaFiguras::insertar(std::unique_ptr<Figura> figura) {
  if (!figura) {
    return;  // Un puntero nulo se leería como un hueco vacío.
  }
  for (std::unique_ptr<Figura>& hueco : elementos) {
    if (!hueco) {
      hueco = std::move(figura);
      return;
    }
  }
  // Con la cola llena, al salir de la función, `figura` destruye la figura
  // rechazada.
}

Figura ColaFiguras::sacar() {
  if (!elementos[0]) {
    return Figura("", "");
  }
  const std::unique_ptr<Figura> frente = std::move(elementos[0]);
  for (int i = 1; i < kCapacidad && elementos[i]; ++i) {
    elementos[i - 1] = std::move(elementos[i]);
  }
  // La copia se hace antes de que `frente` destruya la figura.
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
