#ifndef SHAPESTACK_CUADRADO_H_
#define SHAPESTACK_CUADRADO_H_

#include "Dibujar.h"
#include "Figura.h"

// A square: a Figura with the form "Cuadrado" and a side.
//
// It takes colours by Figura's own table. The side is kept as given, zero
// and negatives included. It copies member by member.
class Cuadrado : public Figura, public Dibujar {
 public:
  // The colour is cut to its first nine characters.
  Cuadrado(const char* color, float lado);

  // lado * lado, in double precision.
  float area() const override;
  // "Estoy dibujando un cuadrado con lado <lado>".
  void dibujar() const override;
  // "Estoy coloreando un cuadrado con el color <color>".
  void colorear() const override;

 private:
  float lado;
};

#endif  // SHAPESTACK_CUADRADO_H_
