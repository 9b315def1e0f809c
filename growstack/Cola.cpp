#include "Cola.h"

#include <algorithm>
#include <iostream>
#include <new>
#include <utility>

namespace {
constexpr int kVacio = -1;
}  // namespace

Cola::Cola() : Cola(kTamanioPorDefecto, 0) {}

// `new (std::nothrow)` devuelve nullptr en vez de lanzar std::bad_alloc: el
// tamaño lo elige el usuario, y si no hay memoria para él la cola empieza sin
// huecos en lugar de terminar el programa.
Cola::Cola(int tamanioInicial, int pasoCrecimiento)
    : tamanio(std::clamp(tamanioInicial, 1, kTamanioMaximo)),
      crecimiento(std::clamp(pasoCrecimiento, 0, kCrecimientoMaximo)),
      elementos(new (std::nothrow) int[tamanio]) {
  if (elementos == nullptr) {
    tamanio = 0;
    return;
  }
  std::fill_n(elementos, tamanio, kVacio);
}

// Aquí `new` sí lanza std::bad_alloc si no hay memoria: una cola sin los
// huecos de `otra` no sería una copia, así que es mejor no crear ninguna.
Cola::Cola(const Cola& otra)
    : InterfazPC(otra),
      tamanio(otra.tamanio),
      crecimiento(otra.crecimiento),
      elementos(otra.tamanio > 0 ? new int[otra.tamanio] : nullptr) {
  std::copy_n(otra.elementos, tamanio, elementos);
}

Cola& Cola::operator=(const Cola& otra) {
  if (this != &otra) {
    // Primero se copia en una cola temporal y después se mueve aquí. Si la
    // copia lanza std::bad_alloc, esta cola aún no ha cambiado (garantía
    // fuerte frente a excepciones).
    *this = Cola(otra);
  }
  return *this;
}

// std::exchange(x, v) devuelve el valor de x y le asigna v: esta cola se
// queda con el array de `otra`, y `otra` queda sin huecos, para que su
// destructor no libere el array que ya no es suyo.
Cola::Cola(Cola&& otra) noexcept
    : tamanio(std::exchange(otra.tamanio, 0)),
      crecimiento(otra.crecimiento),
      elementos(std::exchange(otra.elementos, nullptr)) {}

Cola& Cola::operator=(Cola&& otra) noexcept {
  if (this != &otra) {
    // Libera su array antes de quedarse con el de `otra`.
    delete[] elementos;
    tamanio = std::exchange(otra.tamanio, 0);
    crecimiento = otra.crecimiento;
    elementos = std::exchange(otra.elementos, nullptr);
  }
  return *this;
}

Cola::~Cola() { delete[] elementos; }

bool Cola::estaVacia() const {
  return std::all_of(elementos, elementos + tamanio,
                     [](int valor) { return valor == kVacio; });
}

bool Cola::estaLlena() const {
  return tamanio == 0 || elementos[tamanio - 1] != kVacio;
}

bool Cola::insertar(int valor) {
  const int hueco = primerHueco();
  if (hueco == tamanio && !crecer()) {
    return false;
  }
  elementos[hueco] = valor;
  return true;
}

int Cola::sacar() {
  if (tamanio == 0) {
    return kVacio;
  }
  const int frente = elementos[0];
  // Adelanta los elementos hasta el primer hueco vacío. Lo que hay más allá
  // del último hueco cuenta como vacío, así que una cola llena acaba con su
  // último hueco vacío.
  for (int i = 0; i < tamanio && elementos[i] != kVacio; ++i) {
    elementos[i] = (i + 1 < tamanio) ? elementos[i + 1] : kVacio;
  }
  return frente;
}

void Cola::borrar() { std::fill_n(elementos, tamanio, kVacio); }

const int* Cola::mostrar() const {
  for (int i = 0; i < tamanio; ++i) {
    std::cout << elementos[i] << " ";
  }
  std::cout << std::endl;
  return elementos;
}

int Cola::getTamanio() const { return tamanio; }

int Cola::getCrecimiento() const { return crecimiento; }

const int* Cola::getElementos() const { return elementos; }

int Cola::primerHueco() const {
  int i = 0;
  while (i < tamanio && elementos[i] != kVacio) {
    ++i;
  }
  return i;
}

bool Cola::crecer() {
  const int paso = (crecimiento != 0) ? crecimiento : kCrecimientoPorDefecto;
  if (paso > kTamanioMaximo - tamanio) {
    return false;
  }
  const int nuevoTamanio = tamanio + paso;
  // Como en el constructor, la falta de memoria no lanza ninguna excepción:
  // insertar() devuelve false y la cola no cambia.
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
