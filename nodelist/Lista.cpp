#include "Lista.h"

#include <iostream>

Lista::Lista() : cabeza(nullptr) {}

Lista::~Lista() {
  Nodo* actual = cabeza;
  while (actual != nullptr) {
    // Se lee el siguiente antes de liberar el nodo que guarda el enlace.
    Nodo* liberado = actual;
    actual = actual->getSiguiente();
    delete liberado;
  }
}

void Lista::insertarPrincipio(int dato) {
  Nodo* nuevo = new Nodo(dato);
  nuevo->setSiguiente(cabeza);
  cabeza = nuevo;
}

void Lista::insertarFinal(int dato) {
  Nodo* nuevo = new Nodo(dato);
  if (cabeza == nullptr) {
    cabeza = nuevo;
    return;
  }
  Nodo* ultimo = cabeza;
  while (ultimo->getSiguiente() != nullptr) {
    ultimo = ultimo->getSiguiente();
  }
  ultimo->setSiguiente(nuevo);
}

bool Lista::borrar(int dato) {
  if (cabeza == nullptr) {
    return false;
  }
  if (cabeza->getDato() == dato) {
    Nodo* primero = cabeza;
    cabeza = primero->getSiguiente();
    delete primero;
    return true;
  }
  Nodo* ant = cabeza;
  Nodo* actual = cabeza->getSiguiente();
  while (actual != nullptr && actual->getDato() != dato) {
    ant = actual;
    actual = actual->getSiguiente();
  }
  if (actual == nullptr) {
    return false;
  }
  ant->setSiguiente(actual->getSiguiente());
  delete actual;
  return true;
}

Nodo* Lista::buscar(int dato) {
  Nodo* actual = cabeza;
  while (actual != nullptr && actual->getDato() != dato) {
    actual = actual->getSiguiente();
  }
  return actual;
}

void Lista::mostrar() const {
  for (const Nodo* actual = cabeza; actual != nullptr;
       actual = actual->getSiguiente()) {
    std::cout << actual->getDato();
  }
}
