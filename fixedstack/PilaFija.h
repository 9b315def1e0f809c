#ifndef FIXEDSTACK_PILAFIJA_H_
#define FIXEDSTACK_PILAFIJA_H_

// Pila (el último que entra es el primero que sale) de diez enteros como
// máximo.
//
// No se lleva la cuenta de los elementos: un -1 marca el hueco vacío, los
// elementos están juntos desde el hueco 0 (el fondo) y el último antes del
// primer -1 es la cima. Por eso insertar -1 no cambia nada, y la pila guarda
// cualquier otro int, también el 0 y los negativos. Si la pila está llena,
// el valor insertado se descarta sin avisar.
//
// Es intencionado: el programa no usa estaVacia() ni estaLlena(); son parte
// de la interfaz de la clase y las comprueban las pruebas.
class PilaFija {
 public:
  static constexpr int kCapacidad = 10;

  // Crea la pila con los diez huecos vacíos. El array va dentro del objeto,
  // sin memoria dinámica, así que copiar una pila copia sus diez huecos.
  PilaFija();

  // Devuelve true si los diez huecos están vacíos.
  bool estaVacia() const;
  // Devuelve true si el hueco 9, el último, está ocupado; como los elementos
  // van seguidos, entonces lo están los diez.
  bool estaLlena() const;

  // Guarda `valor` en el primer hueco vacío; con la pila llena no hace nada.
  void insertar(int valor);

  // Quita y devuelve el elemento de la cima. Con la pila vacía devuelve -1
  // y no cambia nada.
  int sacar();

  // Vacía los diez huecos.
  void borrar();

  // Devuelve un puntero al array de los diez huecos, en orden desde el 0; los
  // vacíos valen -1.
  const int* getElementos() const;

 private:
  int elementos[kCapacidad];
};

#endif  // FIXEDSTACK_PILAFIJA_H_
