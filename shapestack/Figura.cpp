#include "Figura.h"

#include <iostream>

namespace {

constexpr int kPrimerColor = 1;
constexpr int kUltimoColor = 10;

// Se indexa por el número de color; la posición 0 no se usa.
constexpr const char* kColores[kUltimoColor + 1] = {
    "",        "Blanco",   "Verde",  "Azul", "Rojo",  "Naranja",
    "Violeta", "Amarillo", "Marron", "Rosa", "Negro",
};

// Copia como mucho `Figura::kLargoTexto` bytes de `origen` y siempre
// termina `destino` con '\0'.
void copiarAcotado(char (&destino)[Figura::kLargoTexto + 1],
                   const char* origen) {
  int i = 0;
  if (origen != nullptr) {
    for (; i < Figura::kLargoTexto && origen[i] != '\0'; ++i) {
      destino[i] = origen[i];
    }
  }
  destino[i] = '\0';
}

}  // namespace

Figura::Figura(const char* forma, const char* color) : forma{}, color{} {
  copiarAcotado(this->forma, forma);
  copiarAcotado(this->color, color);
}

void Figura::visualizar() const {
  std::cout << "Figura con la forma " << forma << " y el color " << color
            << std::endl;
}

void Figura::setColor(int n) {
  if (n >= kPrimerColor && n <= kUltimoColor) {
    copiarAcotado(color, kColores[n]);
  }
}

float Figura::area() const { return 0; }

void Figura::dibujar() const {
  std::cout << "Estoy dibujando una figura con la forma " << forma << std::endl;
}

void Figura::colorear() const {
  std::cout << "Estoy coloreando una figura con el color " << color
            << std::endl;
}

const char* Figura::getForma() const { return forma; }

const char* Figura::getColor() const { return color; }
