#ifndef NODELIST_NODO_H_
#define NODELIST_NODO_H_

// Un eslabón de la cadena de una Lista: un entero y el nodo siguiente (nulo
// en el último).
//
// Un nodo no es dueño de nada: destruirlo no toca a su siguiente. Los nodos
// los crea uno a uno su lista en memoria dinámica, y solo los vuelve a
// enlazar mediante los métodos de acceso de abajo.
class Nodo {
 public:
  // Un nodo con `dato` y sin siguiente. Es el que usa la lista.
  explicit Nodo(int dato);
  // Un nodo con 0 y sin siguiente.
  Nodo();
  ~Nodo() = default;

  // Un nodo vive en una sola cadena; una copia sería un segundo nodo que
  // apuntaría al mismo siguiente.
  Nodo(const Nodo&) = delete;
  Nodo& operator=(const Nodo&) = delete;

  int getDato() const;
  void setDato(int dato);

  Nodo* getSiguiente() const;
  void setSiguiente(Nodo* siguiente);

 private:
  int dato;
  Nodo* siguiente;  // Ajeno: el nodo no es su dueño.
};

#endif  // NODELIST_NODO_H_
