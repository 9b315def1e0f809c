#include "Circulo.h"

#include <iostream>

namespace {

constexpr double kPi = 3.14;
constexpr int kBlancoOtraVez = 10;
constexpr int kBlanco = 1;

}  // namespace

Circulo::Circulo(const char* color, float radio)
    : Figura("Circulo", color), radio(radio) {}

void Circulo::setColor(int n) {
  // Se comprueba antes de desplazar, para que ningún n desborde n + 1.
  if (n < 0 || n > kBlancoOtraVez) {
    return;
  }
  Figura::setColor(n == kBlancoOtraVez ? kBlanco : n + 1);
}

float Circulo::area() const {
  return static_cast<float>(static_cast<double>(radio) * kPi * radio);
}

void Circulo::dibujar() const {
  std::cout << "Estoy dibujando un circulo con radio " << radio << std::endl;
}

void Circulo::colorear() const {
  std::cout << "Estoy coloreando un circulo con color " << getColor()
            << std::endl;
}
