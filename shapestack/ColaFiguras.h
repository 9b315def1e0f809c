#ifndef SHAPESTACK_COLAFIGURAS_H_
#define SHAPESTACK_COLAFIGURAS_H_

#include <memory>

#include "Figura.h"

// Cola (la primera que entra es la primera que sale) de diez figuras como
// máximo, de las que es dueña.
//
// Cada figura va en un std::unique_ptr, así que se destruye una sola vez:
// cuando sale con sacar() o borrar(), cuando la cola llena la rechaza, o al
// destruirse la cola. No se puede copiar: un `unique_ptr` no se copia, y
// copiar las figuras exigiría saber si cada una es un círculo o un cuadrado.
class ColaFiguras {
 public:
  static constexpr int kCapacidad = 10;

  // Crea la cola con los diez huecos vacíos.
  ColaFiguras();

  ColaFiguras(const ColaFiguras&) = delete;
  ColaFiguras& operator=(const ColaFiguras&) = delete;

  // Destruye las figuras que aún guarda.
  ~ColaFiguras() = default;

  // Guarda `figura` en el primer hueco vacío; si los diez huecos están
  // ocupados, destruye la figura y la cola no cambia. Una `figura` nula no
  // cambia nada.
  void insertar(std::unique_ptr<Figura> figura);

  // Quita la figura del frente, adelanta las demás un hueco y devuelve una
  // copia de la parte Figura de la figura quitada (el lado o el radio se
  // pierden). Con la cola vacía devuelve una Figura con forma y color vacíos
  // y no cambia nada.
  // Es intencionado: devuelve la figura cortada a su parte Figura (el llamado
  // «slicing»); el programa no usa lo que devuelve, y las pruebas comprueban
  // la forma y el color de la copia.
  Figura sacar();

  // Vacía los diez huecos y destruye las figuras que guardaba.
  void borrar();

  // Devuelve la figura del hueco `posicion` (el 0 es el frente), o nullptr si
  // el hueco está vacío o la posición no está entre 0 y 9.
  const Figura* getElemento(int posicion) const;

 private:
  // Un puntero nulo marca el hueco vacío; los ocupados van seguidos desde
  // el hueco 0.
  std::unique_ptr<Figura> elementos[kCapacidad];
};

#endif  // SHAPESTACK_COLAFIGURAS_H_
