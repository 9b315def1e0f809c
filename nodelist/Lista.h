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
// desengancha o cuando la lista se destruye. Si falla una reserva, la
// excepción se propaga y la lista queda como estaba.
class Lista {
 public:
  // Una lista vacía.
  Lista();
  // Libera todos los nodos que sigan en la cadena.
  ~Lista();

  // La lista es dueña de su cadena, así que nunca se copia, se asigna ni se
  // mueve.
  Lista(const Lista&) = delete;
  Lista& operator=(const Lista&) = delete;
  Lista(Lista&&) = delete;
  Lista& operator=(Lista&&) = delete;

  // Un nodo nuevo con `dato` pasa a ser el primero.
  void insertarPrincipio(int dato);

  // Un nodo nuevo con `dato` pasa a ser el último.
  void insertarFinal(int dato);

  // Desengancha y libera el primer nodo, contando desde el principio, que
  // guarda `dato`. Si ningún nodo lo guarda, devuelve false y no cambia
  // nada.
  bool borrar(int dato);

  // El primer nodo, contando desde el principio, que guarda `dato` (el nodo
  // mismo, que sigue en la lista), o un puntero nulo si ningún nodo lo
  // guarda.
  Nodo* buscar(int dato);

  // Escribe todos los valores, del primero al último, en la salida estándar
  // como enteros en decimal, sin nada entre ellos, antes ni después: ni
  // separador ni fin de línea. Una lista vacía no escribe nada.
  void mostrar() const;

 private:
  Nodo* cabeza;  // Primer nodo (nulo si está vacía); la lista es su dueña.
};

#endif  // NODELIST_LISTA_H_
