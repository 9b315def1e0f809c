#ifndef SHAPESTACK_CIRCULO_H_
#define SHAPESTACK_CIRCULO_H_

#include "Dibujar.h"
#include "Figura.h"

// A circle: a Figura with the form "Circulo" and a radius.
//
// Its colour numbers are shifted by one against Figura's table: 0 Blanco,
// 1 Verde, ... 9 Negro, and 10 Blanco again. The radius is kept as given,
// zero and negatives included. It copies member by member.
class Circulo : public Figura, public Dibujar {
 public:
  // The colour is cut to its first nine characters.
  Circulo(const char* color, float radio);

  // n from 0 to 10 picks a colour as above; any other n changes nothing.
  void setColor(int n) override;
  // radio * 3.14 * radio, in double precision.
  float area() const override;
  // "Estoy dibujando un circulo con radio <radio>".
  void dibujar() const override;
  // "Estoy coloreando un circulo con color <color>".
  void colorear() const override;

 private:
  float radio;
};

#endif  // SHAPESTACK_CIRCULO_H_
