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
class PilaFija {
 public:
  static constexpr int kCapacidad = 10;

  // Los diez huecos vacíos. Es un valor sin más: no posee memoria, y una
  // copia copia los huecos.
  PilaFija();

  bool estaVacia() const;
  bool estaLlena() const;

  // Guarda `valor` en el primer hueco vacío; si está llena, no hace nada.
  void insertar(int valor);

  // Quita y devuelve el elemento de la cima. Con la pila vacía devuelve -1
  // y no cambia nada.
  int sacar();

  // Vacía los diez huecos.
  void borrar();

  // Los diez huecos en orden, empezando por el 0; los vacíos valen -1.
  const int* getElementos() const;

 private:
  int elementos[kCapacidad];
};

#endif  // FIXEDSTACK_PILAFIJA_H_
