#ifndef NODELIST_LISTA_H_
#define NODELIST_LISTA_H_

#include "Nodo.h"

// Lista simplemente enlazada de enteros, en el orden que dejaron las
// inserciones; los valores pueden repetirse y la lista nunca se ordena.
//
// Solo se guarda la cabeza: ni puntero al último nodo ni cuenta de nodos, así
// que insertar al final, borrar, buscar y mostrar recorren la cadena desde
// el principio. Cada nodo se reserva por separado al insertar su valor y
// desde entonces pertenece a la lista, que lo libera cuando un borrado lo
// desengancha o cuando la lista se destruye. Si no hay memoria para un nodo
// nuevo, la excepción std::bad_alloc se propaga y la lista queda como estaba.
class Lista {
 public:
  // Crea una lista vacía.
  Lista();
  // Libera todos los nodos que sigan en la cadena.
  ~Lista();

  // La lista es dueña de su cadena, así que no se puede copiar, asignar ni
  // mover: dos listas liberarían los mismos nodos.
  Lista(const Lista&) = delete;
  Lista& operator=(const Lista&) = delete;
  Lista(Lista&&) = delete;
  Lista& operator=(Lista&&) = delete;

  // Crea un nodo con `dato` y lo pone al principio de la lista.
  void insertarPrincipio(int dato);

  // Crea un nodo con `dato` y lo pone al final de la lista.
  void insertarFinal(int dato);

  // Desengancha de la cadena y libera el primer nodo, contando desde el
  // principio, que guarda `dato`, y devuelve true. Si ningún nodo lo guarda,
  // devuelve false y no cambia nada.
  bool borrar(int dato);

  // Devuelve el primer nodo, contando desde el principio, que guarda `dato`:
  // el propio nodo, que sigue en la lista, no una copia. Si ningún nodo lo
  // guarda, devuelve nullptr.
  Nodo* buscar(int dato);

  // Escribe todos los valores, del primero al último, en la salida estándar
  // como enteros en decimal, sin nada entre ellos, antes ni después: ni
  // separador ni fin de línea. Una lista vacía no escribe nada.
  void mostrar() const;

 private:
  // Primer nodo de la cadena, o nullptr si la lista está vacía. La lista es
  // dueña de todos los nodos de la cadena.
  Nodo* cabeza;
};

#endif  // NODELIST_LISTA_H_
