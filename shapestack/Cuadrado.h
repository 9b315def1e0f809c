#ifndef SHAPESTACK_CUADRADO_H_
#define SHAPESTACK_CUADRADO_H_

#include "Dibujar.h"
#include "Figura.h"

// Un cuadrado es una Figura con la forma "Cuadrado" y un lado. El lado se
// guarda tal como llega, también el cero y los negativos. Se copia miembro a
// miembro.
//
// Numera los colores con la misma tabla que Figura.
class Cuadrado : public Figura, public Dibujar {
 public:
  // Crea un cuadrado de lado `lado` con los 9 primeros bytes de `color`.
  Cuadrado(const char* color, float lado);

  // Devuelve lado * lado, calculado en doble precisión.
  float area() const override;
  // Escribe "Estoy dibujando un cuadrado con lado <lado>".
  void dibujar() const override;
  // Escribe "Estoy coloreando un cuadrado con el color <color>".
  void colorear() const override;

 private:
  float lado;
};

#endif  // SHAPESTACK_CUADRADO_H_
