#include "Nodo.h"

Nodo::Nodo(int dato) : dato(dato), siguiente(nullptr) {}

Nodo::Nodo() : Nodo(0) {}

int Nodo::getDato() const { return dato; }

void Nodo::setDato(int dato) { this->dato = dato; }

Nodo* Nodo::getSiguiente() const { return siguiente; }

void Nodo::setSiguiente(Nodo* siguiente) { this->siguiente = siguiente; }
