#include "PilaFija.h"

namespace {
constexpr int kVacio = -1;
}  // namespace

// Todo atributo recibe un valor en la lista de inicialización: `elementos{}`
// pone los diez huecos a 0, y así ninguno queda con un valor indeterminado.
// Después `borrar()` los marca como vacíos (-1), de modo que el -1 se escribe
// en un único sitio.
PilaFija::PilaFija() : elementos{} { borrar(); }

bool PilaFija::estaVacia() const {
  for (int valor : elementos) {
    if (valor != kVacio) {
      return false;
    }
  }
  return true;
}

bool PilaFija::estaLlena() const { return elementos[kCapacidad - 1] != kVacio; }

void PilaFija::insertar(int valor) {
  for (int& hueco : elementos) {
    if (hueco == kVacio) {
      hueco = valor;
      return;
    }
  }
}

int PilaFija::sacar() {
  int cuantos = 0;
  while (cuantos < kCapacidad && elementos[cuantos] != kVacio) {
    ++cuantos;
  }
  if (cuantos == 0) {
    return kVacio;
  }
  const int cima = elementos[cuantos - 1];
  elementos[cuantos - 1] = kVacio;
  return cima;
}

void PilaFija::borrar() {
  for (int& hueco : elementos) {
    hueco = kVacio;
  }
}

const int* PilaFija::getElementos() const { return elementos; }
