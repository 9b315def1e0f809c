#include "Pila.h"

#include <algorithm>
#include <iostream>
#include <new>
#include <utility>

namespace {
constexpr int kVacio = -1;
}  // namespace

Pila::Pila() : Pila(kTamanioPorDefecto, 0) {}

// `new (std::nothrow)` devuelve nullptr en vez de lanzar std::bad_alloc: el
// tamaño lo elige el usuario, y si no hay memoria para él la pila empieza sin
// huecos en lugar de terminar el programa.
Pila::Pila(int tamanioInicial, int pasoCrecimiento)
    : tamanio(std::clamp(tamanioInicial, 1, kTamanioMaximo)),
      crecimiento(std::clamp(pasoCrecimiento, 0, kCrecimientoMaximo)),
      elementos(new (std::nothrow) int[tamanio]) {
  if (elementos == nullptr) {
    tamanio = 0;
    return;
  }
  std::fill_n(elementos, tamanio, kVacio);
}

// Aquí `new` sí lanza std::bad_alloc si no hay memoria: una pila sin los
// huecos de `otra` no sería una copia, así que es mejor no crear ninguna.
Pila::Pila(const Pila& otra)
    : InterfazPC(otra),
      tamanio(otra.tamanio),
      crecimiento(otra.crecimiento),
      elementos(otra.tamanio > 0 ? new int[otra.tamanio] : nullptr) {
  std::copy_n(otra.elementos, tamanio, elementos);
}

Pila& Pila::operator=(const Pila& otra) {
  if (this != &otra) {
    // Primero se copia en una pila temporal y después se mueve aquí. Si la
    // copia lanza std::bad_alloc, esta pila aún no ha cambiado (garantía
    // fuerte frente a excepciones).
    *this = Pila(otra);
  }
  return *this;
}

// std::exchange(x, v) devuelve el valor de x y le asigna v: esta pila se
// queda con el array de `otra`, y `otra` queda sin huecos, para que su
// destructor no libere el array que ya no es suyo.
Pila::Pila(Pila&& otra) noexcept
    : tamanio(std::exchange(otra.tamanio, 0)),
      crecimiento(otra.crecimiento),
      elementos(std::exchange(otra.elementos, nullptr)) {}

Pila& Pila::operator=(Pila&& otra) noexcept {
  if (this != &otra) {
    // Libera su array antes de quedarse con el de `otra`.
    delete[] elementos;
    tamanio = std::exchange(otra.tamanio, 0);
    crecimiento = otra.crecimiento;
    elementos = std::exchange(otra.elementos, nullptr);
  }
  return *this;
}

Pila::~Pila() { delete[] elementos; }

bool Pila::estaVacia() const {
  return std::all_of(elementos, elementos + tamanio,
                     [](int valor) { return valor == kVacio; });
}

bool Pila::estaLlena() const {
  return tamanio == 0 || elementos[tamanio - 1] != kVacio;
}

bool Pila::insertar(int valor) {
  const int hueco = primerHueco();
  if (hueco == tamanio && !crecer()) {
    return false;
  }
  elementos[hueco] = valor;
  return true;
}

int Pila::sacar() {
  const int cuantos = primerHueco();
  if (cuantos == 0) {
    return kVacio;
  }
  const int cima = elementos[cuantos - 1];
  elementos[cuantos - 1] = kVacio;
  return cima;
}

void Pila::borrar() { std::fill_n(elementos, tamanio, kVacio); }

const int* Pila::mostrar() const {
  for (int i = 0; i < tamanio; ++i) {
    std::cout << elementos[i] << " ";
  }
  std::cout << std::endl;
  return elementos;
}

int Pila::getTamanio() const { return tamanio; }

int Pila::getCrecimiento() const { return crecimiento; }

const int* Pila::getElementos() const { return elementos; }

int Pila::primerHueco() const {
  int i = 0;
  while (i < tamanio && elementos[i] != kVacio) {
    ++i;
  }
  return i;
}

bool Pila::crecer() {
  const int paso = (crecimiento != 0) ? crecimiento : kCrecimientoPorDefecto;
  if (paso > kTamanioMaximo - tamanio) {
    return false;
  }
  const int nuevoTamanio = tamanio + paso;
  // Como en el constructor, la falta de memoria no lanza ninguna excepción:
  // insertar() devuelve false y la pila no cambia.
  int* nuevos = new (std::nothrow) int[nuevoTamanio];
  if (nuevos == nullptr) {
    return false;
  }
  std::copy_n(elementos, tamanio, nuevos);
  std::fill(nuevos + tamanio, nuevos + nuevoTamanio, kVacio);
  delete[] elementos;
  elementos = nuevos;
  tamanio = nuevoTamanio;
  return true;
}
