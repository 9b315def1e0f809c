#ifndef GROWSTACK_INTERFAZPC_H_
#define GROWSTACK_INTERFAZPC_H_

// PC: pila y cola. Es la interfaz común de Pila y Cola: declara lo que
// ofrecen las dos, que es saber si están vacías, insertar y sacar. No guarda
// ningún dato.
//
// Es intencionado: el programa usa Cola y Pila directamente, nunca a través
// de esta interfaz; la interfaz solo fija lo que las dos tienen en común.
//
// Nada se destruye a través de esta interfaz, por eso su destructor es
// protegido y no virtual: borrar un contenedor mediante un puntero a
// InterfazPC no compila.
class InterfazPC {
 public:
  // Devuelve true si el contenedor no guarda ningún elemento.
  virtual bool estaVacia() const = 0;

  // Añade `valor`. Devuelve false si no se pudo guardar (el contenedor ya no
  // puede crecer más); entonces el contenedor queda como estaba.
  virtual bool insertar(int valor) = 0;

  // Quita un elemento y lo devuelve: el del frente en una cola, el de la
  // cima en una pila.
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
