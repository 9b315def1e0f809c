#ifndef GROWSTACK_COLA_H_
#define GROWSTACK_COLA_H_

#include "InterfazPC.h"

// A queue (first in, first out) of integers whose storage grows on demand.
//
// The storage is a heap array of `tamanio` slots. No count is kept: -1 marks
// an empty slot, the elements stay packed from slot 0 (the front, the oldest)
// and the first -1 ends them. So inserting -1 into a queue with room changes
// nothing, and the queue holds any other int, 0 and negatives included.
//
// Only an insertion that finds every slot occupied grows the storage, by
// `crecimiento` slots (5 when it is 0); nothing ever shrinks it. The storage
// never exceeds kTamanioMaximo slots: an insertion that would need more, or
// whose larger storage cannot be obtained, stores nothing and returns false.
//
// Each queue owns its storage alone. A copy copies the slots; a move hands
// the storage over and leaves the source with no slots at all, an empty
// queue that grows at its next insertion. A queue whose first storage could
// not be obtained starts the same way.
// Never a base (final), so its public destructor need not be virtual.
class Cola final  // NOLINT(cppcoreguidelines-virtual-class-destructor)
    : public InterfazPC {
 public:
  static constexpr int kTamanioPorDefecto = 5;
  static constexpr int kTamanioMaximo = 1000000;
  static constexpr int kCrecimientoPorDefecto = 5;
  static constexpr int kCrecimientoMaximo = 1000000;

  // 5 empty slots, growth step 0 (that is, 5).
  Cola();

  // `tamanioInicial` empty slots and growth step `pasoCrecimiento`. Any
  // arguments are safe: the size is brought into 1..kTamanioMaximo and the
  // step into 0..kCrecimientoMaximo.
  Cola(int tamanioInicial, int pasoCrecimiento);

  // Copies the slots into storage of its own; throws std::bad_alloc when
  // that storage cannot be obtained.
  Cola(const Cola& otra);
  Cola& operator=(const Cola& otra);

  Cola(Cola&& otra) noexcept;
  Cola& operator=(Cola&& otra) noexcept;

  ~Cola();

  // True when every slot holds -1.
  bool estaVacia() const override;

  // True when the last slot is occupied, so that the next insertion grows
  // the storage. A queue with no slots is full as well as empty.
  bool estaLlena() const;

  // Stores `valor` in the first empty slot, growing the storage first when
  // there is none. False, with the queue unchanged, when it cannot grow.
  bool insertar(int valor) override;

  // Removes and returns the front element, moving the rest one slot toward
  // the front. On an empty queue returns -1 and changes nothing.
  int sacar() override;

  // Empties every slot; the size and the growth step stay.
  void borrar();

  // Writes every slot to standard output, each followed by a space, then
  // ends the line. Returns the storage.
  const int* mostrar() const;

  int getTamanio() const;
  int getCrecimiento() const;

  // The `getTamanio()` slots in order, slot 0 first, empty ones holding -1.
  const int* getElementos() const;

 private:
  // The index of the first empty slot; `tamanio` when there is none.
  int primerHueco() const;

  // Adds one growth step of empty slots. False, changing nothing, when the
  // storage would pass kTamanioMaximo or cannot be obtained.
  bool crecer();

  int tamanio;      // number of slots in `elementos`
  int crecimiento;  // slots added by one growth; 0 stands for 5
  int* elementos;   // owned; null exactly when `tamanio` is 0
};

#endif  // GROWSTACK_COLA_H_
