#ifndef GROWSTACK_COLA_H_
#define GROWSTACK_COLA_H_

#include "InterfazPC.h"

// Cola (el primero que entra es el primero que sale) de enteros guardados en
// un array dinámico que crece cuando hace falta.
//
// No se lleva la cuenta de los elementos: un -1 marca el hueco vacío, los
// elementos están juntos desde el hueco 0 (el frente, el más antiguo) y el
// primer -1 señala su final. Por eso insertar -1 en una cola con sitio no
// cambia nada, y la cola guarda cualquier otro int, también el 0 y los
// negativos. El array solo crece cuando una inserción encuentra todos los
// huecos ocupados, y nunca se encoge.
//
// Cada cola es la única dueña de su array dinámico: lo reserva al crearse y
// lo libera al destruirse. Por eso define sus cinco funciones especiales: las
// dos de copia, las dos de movimiento y el destructor (la regla de cinco).
//
// Es intencionado: el programa solo usa los constructores, la asignación,
// insertar(), sacar(), borrar() y mostrar(); las demás funciones son parte de
// la interfaz de la clase y las comprueban las pruebas.
//
// Es final (ninguna clase deriva de ella), así que su destructor público no
// necesita ser virtual.
class Cola final : public InterfazPC {
 public:
  static constexpr int kTamanioPorDefecto = 5;
  static constexpr int kTamanioMaximo = 1000000;
  static constexpr int kCrecimientoPorDefecto = 5;
  static constexpr int kCrecimientoMaximo = 1000000;

  // Crea una cola con 5 huecos vacíos y paso de crecimiento 0, que equivale
  // a crecer de 5 en 5.
  Cola();

  // Crea una cola con `tamanioInicial` huecos vacíos que crece de
  // `pasoCrecimiento` en `pasoCrecimiento`. Admite cualquier argumento: el
  // tamaño se ajusta al intervalo [1, kTamanioMaximo] y el paso a
  // [0, kCrecimientoMaximo] (con `std::clamp`). Si no consigue memoria, la
  // cola empieza sin huecos: está vacía y crecerá en la siguiente inserción.
  Cola(int tamanioInicial, int pasoCrecimiento);

  // Crea una cola con su propio array y los mismos huecos que `otra`. Lanza
  // std::bad_alloc si no consigue la memoria.
  Cola(const Cola& otra);

  // Convierte esta cola en una copia de `otra`. Si no consigue la memoria,
  // lanza std::bad_alloc y la cola queda como estaba.
  Cola& operator=(const Cola& otra);

  // Al mover una cola, su array pasa a la cola de destino y la original se
  // queda sin huecos: está vacía y crecerá en la siguiente inserción.
  Cola(Cola&& otra) noexcept;
  Cola& operator=(Cola&& otra) noexcept;

  // Libera el array dinámico.
  ~Cola();

  // Devuelve true si todos los huecos valen -1.
  bool estaVacia() const override;

  // Devuelve true si el último hueco está ocupado: la siguiente inserción
  // hará crecer el array. Una cola sin huecos (una cola movida, o una que no
  // consiguió memoria al crearse) cuenta a la vez como llena y como vacía.
  bool estaLlena() const;

  // Guarda `valor` en el primer hueco vacío; si no queda ninguno, antes hace
  // crecer el array en un paso de crecimiento. Si no puede crecer (el array
  // pasaría de kTamanioMaximo huecos o no hay memoria), devuelve false y deja
  // la cola como estaba.
  bool insertar(int valor) override;

  // Quita y devuelve el elemento del frente, y adelanta los demás un hueco.
  // Con la cola vacía devuelve -1 y no cambia nada.
  int sacar() override;

  // Vacía todos los huecos; el tamaño y el paso de crecimiento no cambian.
  void borrar();

  // Escribe todos los huecos en la salida estándar, cada uno seguido de un
  // espacio, y termina la línea. Devuelve un puntero al array.
  // Es intencionado: el programa no usa lo que devuelve, pero es parte de la
  // interfaz de la clase y las pruebas comprueban que es el array.
  const int* mostrar() const;

  int getTamanio() const;
  int getCrecimiento() const;

  // Devuelve un puntero al array: los getTamanio() huecos en orden desde el
  // 0, con los vacíos a -1.
  const int* getElementos() const;

 private:
  // Devuelve el índice del primer hueco vacío, o `tamanio` si no hay ninguno.
  int primerHueco() const;

  // Añade un paso de crecimiento de huecos vacíos. Devuelve false, sin
  // cambiar nada, si el array pasaría de kTamanioMaximo huecos o no se
  // consigue la memoria.
  bool crecer();

  int tamanio;      // número de huecos de `elementos`
  int crecimiento;  // huecos que añade cada crecimiento; 0 equivale a 5
  // Array dinámico de la cola, que libera el destructor; vale nullptr si y
  // solo si `tamanio` vale 0.
  int* elementos;
};

#endif  // GROWSTACK_COLA_H_
