#ifndef SHAPESTACK_COLAFIGURAS_H_
#define SHAPESTACK_COLAFIGURAS_H_

#include <memory>

#include "Figura.h"

// A queue (first in, first out) of at most ten shapes, which it owns.
//
// A shape is deleted, once, when it leaves by sacar or borrar, when the full
// queue refuses it, or with the queue. Copying is not allowed: two queues
// would own the same shapes.
class ColaFiguras {
 public:
  static constexpr int kCapacidad = 10;

  // All ten slots empty.
  ColaFiguras();

  ColaFiguras(const ColaFiguras&) = delete;
  ColaFiguras& operator=(const ColaFiguras&) = delete;

  // Deletes every shape still held.
  ~ColaFiguras() = default;

  // Takes `figura` into the first empty slot; when all ten are occupied the
  // shape is deleted and nothing is stored.
  // A null `figura` is ignored.
  void insertar(std::unique_ptr<Figura> figura);

  // Removes the front shape, moves the rest one slot toward the front and
  // returns a copy of the removed shape's Figura part. On an empty queue
  // returns a Figura with empty form and colour and changes nothing.
  Figura sacar();

  // Deletes every shape held.
  void borrar();

  // The shape in slot `posicion` (0 is the front), or null for an empty slot
  // or a position outside 0 to 9.
  const Figura* getElemento(int posicion) const;

 private:
  // Null marks an empty slot; the occupied ones run unbroken from slot 0.
  std::unique_ptr<Figura> elementos[kCapacidad];
};

#endif  // SHAPESTACK_COLAFIGURAS_H_
