#ifndef SHAPESTACK_COLAFIGURAS_H_
#define SHAPESTACK_COLAFIGURAS_H_

#include <memory>

#include "Figura.h"

// Cola (la primera que entra es la primera que sale) de diez figuras como
// máximo, de las que es dueña.
//
// Cada figura se borra una sola vez: cuando sale por sacar o borrar, cuando
// la cola llena la rechaza, o junto con la cola. No se permite copiarla: dos
// colas serían dueñas de las mismas figuras.
class ColaFiguras {
 public:
  static constexpr int kCapacidad = 10;

  // Los diez huecos vacíos.
  ColaFiguras();

  ColaFiguras(const ColaFiguras&) = delete;
  ColaFiguras& operator=(const ColaFiguras&) = delete;

  // Borra todas las figuras que aún guarda.
  ~ColaFiguras() = default;

  // Guarda `figura` en el primer hueco vacío; si los diez están ocupados, la
  // figura se borra y no se guarda nada.
  // Una `figura` nula se ignora.
  void insertar(std::unique_ptr<Figura> figura);

  // Quita la figura del frente, adelanta las demás un hueco y devuelve una
  // copia de la parte Figura de la que ha quitado. Con la cola vacía
  // devuelve una Figura con forma y color vacíos y no cambia nada.
  Figura sacar();

  // Borra todas las figuras que guarda.
  void borrar();

  // La figura del hueco `posicion` (el 0 es el frente), o un puntero nulo si
  // el hueco está vacío o la posición no está entre 0 y 9.
  const Figura* getElemento(int posicion) const;

 private:
  // Un puntero nulo marca el hueco vacío; los ocupados van seguidos desde
  // el hueco 0.
  std::unique_ptr<Figura> elementos[kCapacidad];
};

#endif  // SHAPESTACK_COLAFIGURAS_H_
