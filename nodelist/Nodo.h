#ifndef NODELIST_NODO_H_
#define NODELIST_NODO_H_

// Un eslabón de la cadena de una Lista: guarda un entero y un puntero al nodo
// siguiente, que vale nullptr en el último.
//
// Un nodo no es dueño de nada: destruirlo no toca a su siguiente. Los nodos
// los crea uno a uno su lista en memoria dinámica, y solo los vuelve a
// enlazar mediante los métodos de acceso de abajo.
//
// Es intencionado: ni la lista ni el programa usan Nodo() ni setDato(); son
// parte de la interfaz de la clase, y las pruebas comprueban Nodo().
class Nodo {
 public:
  // Crea un nodo que guarda `dato` y no tiene siguiente. Es el constructor
  // que usa la lista.
  explicit Nodo(int dato);
  // Crea un nodo que guarda 0 y no tiene siguiente.
  Nodo();
  ~Nodo() = default;

  // No se puede copiar: un nodo está en una sola cadena, y una copia sería un
  // segundo nodo que apuntaría al mismo siguiente.
  Nodo(const Nodo&) = delete;
  Nodo& operator=(const Nodo&) = delete;

  int getDato() const;
  void setDato(int dato);

  Nodo* getSiguiente() const;
  void setSiguiente(Nodo* siguiente);

 private:
  int dato;
  // No es suyo: el siguiente nodo lo libera la lista, no este nodo.
  Nodo* siguiente;
};

#endif  // NODELIST_NODO_H_
