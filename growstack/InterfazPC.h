#ifndef GROWSTACK_INTERFAZPC_H_
#define GROWSTACK_INTERFAZPC_H_

// What a container of integers offers: a test for emptiness, an insertion and
// a removal. It holds no data.
//
// Nothing is destroyed through this interface, so its destructor is protected
// and not virtual: deleting a container through an InterfazPC pointer does
// not compile.
class InterfazPC {
 public:
  virtual bool estaVacia() const = 0;

  // Adds `valor`. False when the value could not be stored (the container
  // cannot grow any more); the container is then left as it was.
  virtual bool insertar(int valor) = 0;

  // Removes one element and returns it.
  virtual int sacar() = 0;

 protected:
  InterfazPC() = default;
  InterfazPC(const InterfazPC&) = default;
  InterfazPC& operator=(const InterfazPC&) = default;
  InterfazPC(InterfazPC&&) = default;
  InterfazPC& operator=(InterfazPC&&) = default;
  ~InterfazPC() = default;
};

#endif  // GROWSTACK_INTERFAZPC_H_
