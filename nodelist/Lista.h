#ifndef NODELIST_LISTA_H_
#define NODELIST_LISTA_H_

#include "Nodo.h"

// A singly linked list of integers, in the order the insertions made; values
// may repeat and the list never sorts.
//
// Only the head is kept: no tail pointer and no count, so insertion at the
// back, deletion, search and printing walk the chain from the front. Every
// node is allocated singly when its value is inserted and from then on
// belongs to the list, which frees it when a deletion unlinks it or when the
// list is destroyed. A failed allocation propagates and leaves the list as
// it was.
class Lista {
 public:
  // An empty list.
  Lista();
  // Frees every node still in the chain.
  ~Lista();

  // The list owns its chain, so it is never copied, assigned or moved.
  Lista(const Lista&) = delete;
  Lista& operator=(const Lista&) = delete;
  Lista(Lista&&) = delete;
  Lista& operator=(Lista&&) = delete;

  // A new node holding `dato` becomes the first node.
  void insertarPrincipio(int dato);

  // A new node holding `dato` becomes the last node.
  void insertarFinal(int dato);

  // Unlinks and frees the first node, counted from the front, holding
  // `dato`. False, and nothing changed, when no node holds it.
  bool borrar(int dato);

  // The first node, counted from the front, holding `dato` (the node itself,
  // still in the list), or null when no node holds it.
  Nodo* buscar(int dato);

  // Writes every value, first to last, to standard output as a decimal
  // integer, with nothing between them, before or after: no separator and
  // no line end. An empty list writes nothing.
  void mostrar() const;

 private:
  Nodo* cabeza;  // The first node, or null when the list is empty. Owned.
};

#endif  // NODELIST_LISTA_H_
