#ifndef SHAPESTACK_CIRCULO_H_
#define SHAPESTACK_CIRCULO_H_

#include "Dibujar.h"
#include "Figura.h"

// Un círculo: una Figura con la forma "Circulo" y un radio.
//
// Sus números de color van desplazados en uno respecto a la tabla de Figura:
// 0 Blanco, 1 Verde, ... 9 Negro, y 10 otra vez Blanco. El radio se guarda
// tal como llega, también el cero y los negativos. Se copia miembro a
// miembro.
class Circulo : public Figura, public Dibujar {
 public:
  // El color se corta a sus nueve primeros caracteres.
  Circulo(const char* color, float radio);

  // Un n de 0 a 10 elige un color como se dice arriba; cualquier otro n no
  // cambia nada.
  void setColor(int n) override;
  // radio * 3.14 * radio, calculado en doble precisión.
  float area() const override;
  // "Estoy dibujando un circulo con radio <radio>".
  void dibujar() const override;
  // "Estoy coloreando un circulo con color <color>".
  void colorear() const override;

 private:
  float radio;
};

#endif  // SHAPESTACK_CIRCULO_H_
