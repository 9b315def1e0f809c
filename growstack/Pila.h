#ifndef GROWSTACK_PILA_H_
#define GROWSTACK_PILA_H_

#include "InterfazPC.h"

// Pila (el último que entra es el primero que sale) de enteros cuyo almacén
// crece cuando hace falta.
//
// El almacén es un array de `tamanio` huecos en memoria dinámica. No se
// lleva la cuenta de los elementos: un -1 marca el hueco vacío, los
// elementos están juntos desde el hueco 0 (el fondo) y el último antes del
// primer -1 es la cima. Por eso insertar -1 en una pila con sitio no cambia
// nada, y la pila guarda cualquier otro int, también el 0 y los negativos.
//
// Solo una inserción que encuentra todos los huecos ocupados hace crecer el
// almacén, en `crecimiento` huecos (5 si vale 0); nada lo encoge nunca. El
// almacén no pasa nunca de kTamanioMaximo huecos: una inserción que
// necesitaría más, o para la que no se consigue el almacén mayor, no guarda
// nada y devuelve false.
//
// Cada pila es la única dueña de su almacén. Una copia copia los huecos; un
// movimiento entrega el almacén y deja el origen sin ningún hueco: una pila
// vacía que crece en su siguiente inserción. Una pila que no consiguió su
// primer almacén empieza igual.
// Es final (ninguna clase deriva de ella), así que su destructor público no
// necesita ser virtual.
class Pila final : public InterfazPC {
 public:
  static constexpr int kTamanioPorDefecto = 5;
  static constexpr int kTamanioMaximo = 1000000;
  static constexpr int kCrecimientoPorDefecto = 5;
  static constexpr int kCrecimientoMaximo = 1000000;

  // 5 huecos vacíos y paso de crecimiento 0 (es decir, 5).
  Pila();

  // `tamanioInicial` huecos vacíos y paso de crecimiento `pasoCrecimiento`.
  // Cualquier argumento es seguro: el tamaño se lleva al intervalo
  // 1..kTamanioMaximo y el paso a 0..kCrecimientoMaximo.
  Pila(int tamanioInicial, int pasoCrecimiento);

  // Copia los huecos en un almacén propio; lanza std::bad_alloc si no se
  // consigue ese almacén.
  Pila(const Pila& otra);
  Pila& operator=(const Pila& otra);

  Pila(Pila&& otra) noexcept;
  Pila& operator=(Pila&& otra) noexcept;

  ~Pila();

  // Devuelve true si todos los huecos valen -1.
  bool estaVacia() const override;

  // Devuelve true si el último hueco está ocupado, de modo que la siguiente
  // inserción hará crecer el almacén. Una pila sin huecos está a la vez
  // llena y vacía.
  bool estaLlena() const;

  // Guarda `valor` en el primer hueco vacío; si no queda ninguno, antes hace
  // crecer el almacén. Si no puede crecer, devuelve false y deja la pila como
  // estaba.
  bool insertar(int valor) override;

  // Quita y devuelve el elemento de la cima. Con la pila vacía devuelve -1
  // y no cambia nada.
  int sacar() override;

  // Vacía todos los huecos; el tamaño y el paso de crecimiento se quedan.
  void borrar();

  // Escribe todos los huecos en la salida estándar, cada uno seguido de un
  // espacio, y termina la línea. Devuelve el almacén.
  const int* mostrar() const;

  int getTamanio() const;
  int getCrecimiento() const;

  // Los `getTamanio()` huecos en orden desde el 0; los vacíos valen -1.
  const int* getElementos() const;

 private:
  // El índice del primer hueco vacío; `tamanio` si no hay ninguno.
  int primerHueco() const;

  // Añade un paso de crecimiento de huecos vacíos. Devuelve false, sin
  // cambiar nada, si el almacén pasaría de kTamanioMaximo o no se consigue.
  bool crecer();

  int tamanio;      // número de huecos de `elementos`
  int crecimiento;  // huecos que añade cada crecimiento; 0 equivale a 5
  int* elementos;   // propio; nulo justo cuando `tamanio` vale 0
};

#endif  // GROWSTACK_PILA_H_
