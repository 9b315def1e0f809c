#ifndef GROWSTACK_INTERFAZPC_H_
#define GROWSTACK_INTERFAZPC_H_

// Lo que ofrece un contenedor de enteros: saber si está vacío, insertar y
// sacar. No guarda ningún dato.
//
// Nada se destruye a través de esta interfaz, por eso su destructor es
// protegido y no virtual: borrar un contenedor mediante un puntero a
// InterfazPC no compila.
class InterfazPC {
 public:
  virtual bool estaVacia() const = 0;

  // Añade `valor`. Devuelve false si no se pudo guardar (el contenedor ya no
  // puede crecer más); entonces el contenedor queda como estaba.
  virtual bool insertar(int valor) = 0;

  // Quita un elemento y lo devuelve.
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
