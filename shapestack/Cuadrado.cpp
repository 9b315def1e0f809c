#include "Cuadrado.h"

#include <iostream>

Cuadrado::Cuadrado(const char* color, float lado)
    : Figura("Cuadrado", color), lado(lado) {}

float Cuadrado::area() const {
  return static_cast<float>(static_cast<double>(lado) * lado);
}

void Cuadrado::dibujar() const {
  std::cout << "Estoy dibujando un cuadrado con lado " << lado << std::endl;
}

void Cuadrado::colorear() const {
  std::cout << "Estoy coloreando un cuadrado con el color " << getColor()
            << std::endl;
}
