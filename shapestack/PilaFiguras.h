#ifndef SHAPESTACK_PILAFIGURAS_H_
#define SHAPESTACK_PILAFIGURAS_H_

#include <memory>

#include "Figura.h"

// Pila (la última que entra es la primera que sale) de diez figuras como
// máximo, de las que es dueña.
//
// Cada figura va en un std::unique_ptr, así que se destruye una sola vez:
// cuando sale con sacar() o borrar(), cuando la pila llena la rechaza, o al
// destruirse la pila. No se puede copiar: un `unique_ptr` no se copia, y
// copiar las figuras exigiría saber si cada una es un círculo o un cuadrado.
class PilaFiguras {
 public:
  static constexpr int kCapacidad = 10;

  // Crea la pila con los diez huecos vacíos y el contador a 0.
  PilaFiguras();

  PilaFiguras(const PilaFiguras&) = delete;
  PilaFiguras& operator=(const PilaFiguras&) = delete;

  // Destruye las figuras que aún guarda.
  ~PilaFiguras() = default;

  // Pone `figura` en la cima; si los diez huecos están ocupados, destruye la
  // figura y la pila no cambia. Una `figura` nula no cambia nada.
  void insertar(std::unique_ptr<Figura> figura);

  // Quita la figura de la cima y devuelve una copia de la parte Figura de la
  // figura quitada (el lado o el radio se pierden). Con la pila vacía
  // devuelve una Figura con forma y color vacíos y no cambia nada.
  // Es intencionado: devuelve la figura cortada a su parte Figura (el llamado
  // «slicing»); el programa no usa lo que devuelve, y las pruebas comprueban
  // la forma y el color de la copia.
  Figura sacar();

  // Vacía los diez huecos y destruye las figuras que guardaba.
  void borrar();

  // Devuelve la figura del hueco `posicion` (el 0 es el fondo), o nullptr si
  // el hueco está vacío o la posición no está entre 0 y 9.
  const Figura* getElemento(int posicion) const;

  // Devuelve el número de figuras guardadas, de 0 a 10.
  // Es intencionado: el programa no usa getContador(); es parte de la
  // interfaz de la clase y la comprueban las pruebas.
  int getContador() const;

 private:
  // Número de figuras guardadas: están ocupados los huecos de 0 a
  // contador - 1, con la cima en el último.
  // Es intencionado: ColaFiguras no lleva contador y la pila sí. La cola
  // encuentra su final en el primer hueco vacío; la pila llega a su cima
  // con el contador, sin recorrer los huecos.
  int contador;
  // Un puntero nulo marca el hueco vacío.
  std::unique_ptr<Figura> elementos[kCapacidad];
};

#endif  // SHAPESTACK_PILAFIGURAS_H_
