#ifndef FIXEDSTACK_COLAFIJA_H_
#define FIXEDSTACK_COLAFIJA_H_

// Cola (el primero que entra es el primero que sale) de diez enteros como
// máximo.
//
// No se lleva la cuenta de los elementos: un -1 marca el hueco vacío, los
// elementos están juntos desde el hueco 0 (el frente, el más antiguo) y el
// primer -1 señala su final. Por eso insertar -1 no cambia nada, y la cola
// guarda cualquier otro int, también el 0 y los negativos. Si la cola está
// llena, el valor insertado se descarta sin avisar.
class ColaFija {
 public:
  static constexpr int kCapacidad = 10;

  // Los diez huecos vacíos. Es un valor sin más: no posee memoria, y una
  // copia copia los huecos.
  ColaFija();

  bool estaVacia() const;
  bool estaLlena() const;

  // Guarda `valor` en el primer hueco vacío; si está llena, no hace nada.
  void insertar(int valor);

  // Quita y devuelve el elemento del frente, y adelanta los demás un hueco.
  // Con la cola vacía devuelve -1 y no cambia nada.
  int sacar();

  // Vacía los diez huecos.
  void borrar();

  // Los diez huecos en orden, empezando por el 0; los vacíos valen -1.
  const int* getElementos() const;

 private:
  int elementos[kCapacidad];
};

#endif  // FIXEDSTACK_COLAFIJA_H_
