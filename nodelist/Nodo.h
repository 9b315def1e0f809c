#ifndef NODELIST_NODO_H_
#define NODELIST_NODO_H_

// One link of a Lista's chain: an integer and the next node (null in the
// last one).
//
// A node owns nothing: destroying it leaves its successor alone. Nodes are
// made one by one on the heap by their list, which relinks them only through
// the accessors below.
class Nodo {
 public:
  // A node holding `dato`, with no successor. The one the list uses.
  explicit Nodo(int dato);
  // A node holding 0, with no successor.
  Nodo();
  ~Nodo() = default;

  // A node lives in one chain only; a copy would be a second node claiming
  // the same successor.
  Nodo(const Nodo&) = delete;
  Nodo& operator=(const Nodo&) = delete;

  int getDato() const;
  void setDato(int dato);

  Nodo* getSiguiente() const;
  void setSiguiente(Nodo* siguiente);

 private:
  int dato;
  Nodo* siguiente;  // Not owned.
};

#endif  // NODELIST_NODO_H_
