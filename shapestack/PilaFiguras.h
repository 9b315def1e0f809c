#ifndef SHAPESTACK_PILAFIGURAS_H_
#define SHAPESTACK_PILAFIGURAS_H_

#include <memory>

#include "Figura.h"

// A stack (last in, first out) of at most ten shapes, which it owns.
//
// A shape is deleted, once, when it leaves by sacar or borrar, when the full
// stack refuses it, or with the stack. Copying is not allowed: two stacks
// would own the same shapes.
class PilaFiguras {
 public:
  static constexpr int kCapacidad = 10;

  // All ten slots empty, contador 0.
  PilaFiguras();

  PilaFiguras(const PilaFiguras&) = delete;
  PilaFiguras& operator=(const PilaFiguras&) = delete;

  // Deletes every shape still held.
  ~PilaFiguras() = default;

  // Takes `figura` onto the top; when all ten slots are occupied the shape
  // is deleted and nothing changes.
  // A null `figura` is ignored.
  void insertar(std::unique_ptr<Figura> figura);

  // Removes the top shape and returns a copy of its Figura part. On an empty
  // stack returns a Figura with empty form and colour and changes nothing.
  Figura sacar();

  // Deletes every shape held.
  void borrar();

  // The shape in slot `posicion` (0 is the bottom), or null for an empty
  // slot or a position outside 0 to 9.
  const Figura* getElemento(int posicion) const;

  // Number of shapes held, 0 to 10.
  int getContador() const;

 private:
  // Shapes held; slots 0 to contador - 1 are occupied, the top last.
  int contador;
  // Null marks an empty slot.
  std::unique_ptr<Figura> elementos[kCapacidad];
};

#endif  // SHAPESTACK_PILAFIGURAS_H_
