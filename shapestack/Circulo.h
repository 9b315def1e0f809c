#ifndef SHAPESTACK_CIRCULO_H_
#define SHAPESTACK_CIRCULO_H_

#include "Dibujar.h"
#include "Figura.h"

// Un círculo es una Figura con la forma "Circulo" y un radio. El radio se
// guarda tal como llega, también el cero y los negativos. Se copia miembro a
// miembro.
//
// Es intencionado: sus números de color van desplazados en uno respecto a
// la tabla de Figura (0 Blanco, 1 Verde, ..., 9 Negro, y 10 otra vez
// Blanco); las pruebas comprueban esta numeración.
class Circulo : public Figura, public Dibujar {
 public:
  // Crea un círculo de radio `radio` con los 9 primeros bytes de `color`.
  Circulo(const char* color, float radio);

  // Cambia el color por el de número `n`, de 0 a 10, con la numeración
  // desplazada de arriba; con otro `n`, el color no cambia.
  void setColor(int n) override;
  // Devuelve radio * 3.14 * radio, calculado en doble precisión.
  float area() const override;
  // Escribe "Estoy dibujando un circulo con radio <radio>".
  void dibujar() const override;
  // Escribe "Estoy coloreando un circulo con color <color>".
  void colorear() const override;

 private:
  float radio;
};

#endif  // SHAPESTACK_CIRCULO_H_
