#ifndef SHAPESTACK_CUADRADO_H_
#define SHAPESTACK_CUADRADO_H_

#include "Dibujar.h"
#include "Figura.h"

// Un cuadrado: una Figura con la forma "Cuadrado" y un lado.
//
// Toma los colores según la propia tabla de Figura. El lado se guarda tal
// como llega, también el cero y los negativos. Se copia miembro a miembro.
class Cuadrado : public Figura, public Dibujar {
 public:
  // El color se corta a sus nueve primeros caracteres.
  Cuadrado(const char* color, float lado);

  // lado * lado, calculado en doble precisión.
  float area() const override;
  // "Estoy dibujando un cuadrado con lado <lado>".
  void dibujar() const override;
  // "Estoy coloreando un cuadrado con el color <color>".
  void colorear() const override;

 private:
  float lado;
};

#endif  // SHAPESTACK_CUADRADO_H_
