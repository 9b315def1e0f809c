#include "PilaFiguras.h"

#include <utility>

PilaFiguras::PilaFiguras() : contador(0) {}

void PilaFiguras::insertar(std::unique_ptr<Figura> figura) {
  if (!figura) {
    return;  // Un puntero nulo se leería como un hueco vacío.
  }
  if (contador == kCapacidad) {
    // Al salir de la función, `figura` destruye la figura rechazada.
    return;
  }
  elementos[contador] = std::move(figura);
  ++contador;
}

Figura PilaFiguras::sacar() {
  if (contador == 0) {
    return Figura("", "");
  }
  --contador;
  const std::unique_ptr<Figura> cima = std::move(elementos[contador]);
  return Figura(*cima);
}

void PilaFiguras::borrar() {
  for (std::unique_ptr<Figura>& hueco : elementos) {
    hueco.reset();
  }
  contador = 0;
}

const Figura* PilaFiguras::getElemento(int posicion) const {
  if (posicion < 0 || posicion >= kCapacidad) {
    return nullptr;
  }
  return elementos[posicion].get();
}

int PilaFiguras::getContador() const { return contador; }
