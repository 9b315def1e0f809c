#ifndef FIXEDSTACK_PILAFIJA_H_
#define FIXEDSTACK_PILAFIJA_H_

// A stack (last in, first out) of at most ten integers.
//
// No count is kept: -1 marks an empty slot, the elements stay packed from
// slot 0 (the bottom) and the last one before the first -1 is the top. So
// inserting -1 changes nothing, and the stack holds any other int, 0 and
// negatives included. Inserting into a full stack drops the value without a
// word.
class PilaFija {
 public:
  static constexpr int kCapacidad = 10;

  // All ten slots empty. A plain value: it owns no memory, and a copy
  // copies the slots.
  PilaFija();

  bool estaVacia() const;
  bool estaLlena() const;

  // Stores `valor` in the first empty slot; does nothing when full.
  void insertar(int valor);

  // Removes and returns the top element. On an empty stack returns -1 and
  // changes nothing.
  int sacar();

  // Empties all ten slots.
  void borrar();

  // The ten slots in order, slot 0 first, empty ones holding -1.
  const int* getElementos() const;

 private:
  int elementos[kCapacidad];
};

#endif  // FIXEDSTACK_PILAFIJA_H_
