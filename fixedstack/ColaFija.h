#ifndef FIXEDSTACK_COLAFIJA_H_
#define FIXEDSTACK_COLAFIJA_H_

// A queue (first in, first out) of at most ten integers.
//
// No count is kept: -1 marks an empty slot, the elements stay packed from
// slot 0 (the front, the oldest) and the first -1 ends them. So inserting -1
// changes nothing, and the queue holds any other int, 0 and negatives
// included. Inserting into a full queue drops the value without a word.
class ColaFija {
 public:
  static constexpr int kCapacidad = 10;

  // All ten slots empty. A plain value: it owns no memory, and a copy
  // copies the slots.
  ColaFija();

  bool estaVacia() const;
  bool estaLlena() const;

  // Stores `valor` in the first empty slot; does nothing when full.
  void insertar(int valor);

  // Removes and returns the front element, moving the rest one slot toward
  // the front. On an empty queue returns -1 and changes nothing.
  int sacar();

  // Empties all ten slots.
  void borrar();

  // The ten slots in order, slot 0 first, empty ones holding -1.
  const int* getElementos() const;

 private:
  int elementos[kCapacidad];
};

#endif  // FIXEDSTACK_COLAFIJA_H_
