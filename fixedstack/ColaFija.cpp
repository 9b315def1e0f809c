#include "ColaFija.h"

namespace {
constexpr int kVacio = -1;
}  // namespace

// Todo atributo recibe un valor en la lista de inicialización: `elementos{}`
// pone los diez huecos a 0, y así ninguno queda con un valor indeterminado.
// Después `borrar()` los marca como vacíos (-1), de modo que el -1 se escribe
// en un único sitio.
ColaFija::ColaFija() : elementos{} { borrar(); }

bool ColaFija::estaVacia() const {
  for (int valor : elementos) {
    if (valor != kVacio) {
      return false;
    }
  }
  return true;
}

bool ColaFija::estaLlena() const { return elementos[kCapacidad - 1] != kVacio; }

void ColaFija::insertar(int valor) {
  for (int& hueco : elementos) {
    if (hueco == kVacio) {
      hueco = valor;
      return;
    }
  }
}

int ColaFija::sacar() {
  const int frente = elementos[0];
  // Adelanta los elementos hasta el primer hueco vacío. Lo que hay más allá
  // del hueco 9 cuenta como vacío, así que una cola llena acaba con el hueco
  // 9 vacío.
  for (int i = 0; i < kCapacidad && elementos[i] != kVacio; ++i) {
    elementos[i] = (i + 1 < kCapacidad) ? elementos[i + 1] : kVacio;
  }
  return frente;
}

void ColaFija::borrar() {
  for (int& hueco : elementos) {
    hueco = kVacio;
  }
}

const int* ColaFija::getElementos() const { return elementos; }
