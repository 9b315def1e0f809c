#ifndef SHAPESTACK_PILAFIGURAS_H_
#define SHAPESTACK_PILAFIGURAS_H_

#include <memory>

#include "Figura.h"

// Pila (la última que entra es la primera que sale) de diez figuras como
// máximo, de las que es dueña.
//
// Cada figura se borra una sola vez: cuando sale por sacar o borrar, cuando
// la pila llena la rechaza, o junto con la pila. No se permite copiarla: dos
// pilas serían dueñas de las mismas figuras.
class PilaFiguras {
 public:
  static constexpr int kCapacidad = 10;

  // Los diez huecos vacíos y contador a 0.
  PilaFiguras();

  PilaFiguras(const PilaFiguras&) = delete;
  PilaFiguras& operator=(const PilaFiguras&) = delete;

  // Borra todas las figuras que aún guarda.
  ~PilaFiguras() = default;

  // Pone `figura` en la cima; si los diez huecos están ocupados, la figura
  // se borra y no cambia nada.
  // Una `figura` nula se ignora.
  void insertar(std::unique_ptr<Figura> figura);

  // Quita la figura de la cima y devuelve una copia de su parte Figura. Con
  // la pila vacía devuelve una Figura con forma y color vacíos y no cambia
  // nada.
  Figura sacar();

  // Borra todas las figuras que guarda.
  void borrar();

  // La figura del hueco `posicion` (el 0 es el fondo), o un puntero nulo si
  // el hueco está vacío o la posición no está entre 0 y 9.
  const Figura* getElemento(int posicion) const;

  // Número de figuras guardadas, de 0 a 10.
  int getContador() const;

 private:
  // Figuras guardadas: están ocupados los huecos de 0 a contador - 1, con la
  // cima en el último.
  int contador;
  // Un puntero nulo marca el hueco vacío.
  std::unique_ptr<Figura> elementos[kCapacidad];
};

#endif  // SHAPESTACK_PILAFIGURAS_H_
