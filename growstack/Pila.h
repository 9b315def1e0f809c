#ifndef GROWSTACK_PILA_H_
#define GROWSTACK_PILA_H_

#include "InterfazPC.h"

// A stack (last in, first out) of integers whose storage grows on demand.
//
// The storage is a heap array of `tamanio` slots. No count is kept: -1 marks
// an empty slot, the elements stay packed from slot 0 (the bottom) and the
// last one before the first -1 is the top. So inserting -1 into a stack with
// room changes nothing, and the stack holds any other int, 0 and negatives
// included.
//
// Only an insertion that finds every slot occupied grows the storage, by
// `crecimiento` slots (5 when it is 0); nothing ever shrinks it. The storage
// never exceeds kTamanioMaximo slots: an insertion that would need more, or
// whose larger storage cannot be obtained, stores nothing and returns false.
//
// Each stack owns its storage alone. A copy copies the slots; a move hands
// the storage over and leaves the source with no slots at all, an empty
// stack that grows at its next insertion. A stack whose first storage could
// not be obtained starts the same way.
// Never a base (final), so its public destructor need not be virtual.
class Pila final  // NOLINT(cppcoreguidelines-virtual-class-destructor)
    : public InterfazPC {
 public:
  static constexpr int kTamanioPorDefecto = 5;
  static constexpr int kTamanioMaximo = 1000000;
  static constexpr int kCrecimientoPorDefecto = 5;
  static constexpr int kCrecimientoMaximo = 1000000;

  // 5 empty slots, growth step 0 (that is, 5).
  Pila();

  // `tamanioInicial` empty slots and growth step `pasoCrecimiento`. Any
  // arguments are safe: the size is brought into 1..kTamanioMaximo and the
  // step into 0..kCrecimientoMaximo.
  Pila(int tamanioInicial, int pasoCrecimiento);

  // Copies the slots into storage of its own; throws std::bad_alloc when
  // that storage cannot be obtained.
  Pila(const Pila& otra);
  Pila& operator=(const Pila& otra);

  Pila(Pila&& otra) noexcept;
  Pila& operator=(Pila&& otra) noexcept;

  ~Pila();

  // True when every slot holds -1.
  bool estaVacia() const override;

  // True when the last slot is occupied, so that the next insertion grows
  // the storage. A stack with no slots is full as well as empty.
  bool estaLlena() const;

  // Stores `valor` in the first empty slot, growing the storage first when
  // there is none. False, with the stack unchanged, when it cannot grow.
  bool insertar(int valor) override;

  // Removes and returns the top element. On an empty stack returns -1 and
  // changes nothing.
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

#endif  // GROWSTACK_PILA_H_
