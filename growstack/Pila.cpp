#include "Pila.h"

#include <algorithm>
#include <iostream>
#include <new>
#include <utility>

namespace {
constexpr int kVacio = -1;
}  // namespace

Pila::Pila() : Pila(kTamanioPorDefecto, 0) {}

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

Pila::Pila(const Pila& otra)
    : InterfazPC(otra),
      tamanio(otra.tamanio),
      crecimiento(otra.crecimiento),
      elementos(otra.tamanio > 0 ? new int[otra.tamanio] : nullptr) {
  std::copy_n(otra.elementos, tamanio, elementos);
}

Pila& Pila::operator=(const Pila& otra) {
  if (this != &otra) {
    *this = Pila(otra);
  }
  return *this;
}

Pila::Pila(Pila&& otra) noexcept
    : tamanio(std::exchange(otra.tamanio, 0)),
      crecimiento(otra.crecimiento),
      elementos(std::exchange(otra.elementos, nullptr)) {}

Pila& Pila::operator=(Pila&& otra) noexcept {
  if (this != &otra) {
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
