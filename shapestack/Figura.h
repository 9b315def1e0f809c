#ifndef SHAPESTACK_FIGURA_H_
#define SHAPESTACK_FIGURA_H_

#include "Visualizar.h"

// Una figura con el nombre de su forma y el de su color, de nueve caracteres
// como mucho cada uno.
//
// Es concreta: una Figura sin más se dibuja y se colorea con las frases que
// dicen «una figura» y tiene área 0. Circulo y Cuadrado derivan de ella;
// copiar uno de ellos en un valor Figura conserva la forma y el color y nada
// más, así que la copia se comporta como una Figura sin más.
//
// Todas las frases van a la salida estándar y acaban con std::endl. No se
// valida ningún valor: el color puede ser cualquier palabra.
class Figura : public Visualizar {
 public:
  // Longitud máxima que se guarda de la forma o del color; los textos más
  // largos se cortan a esta longitud.
  static constexpr int kLargoTexto = 9;

  // Copia los nueve primeros caracteres de `forma` y de `color`; un puntero
  // nulo cuenta como texto vacío.
  Figura(const char* forma, const char* color);

  Figura(const Figura&) = default;
  Figura& operator=(const Figura&) = default;
  Figura(Figura&&) = default;
  Figura& operator=(Figura&&) = default;

  // "Figura con la forma <forma> y el color <color>".
  void visualizar() const override;
  // Toma el color n de la tabla 1 Blanco ... 10 Negro; con cualquier otro n
  // el color queda como estaba.
  virtual void setColor(int n);
  virtual float area() const;
  virtual void dibujar() const;
  virtual void colorear() const;

  // Virtual: las figuras se borran a través de un puntero a Figura.
  virtual ~Figura() = default;

  const char* getForma() const;
  const char* getColor() const;

 private:
  // Ambos terminan en '\0' y se llenan con una copia limitada a su tamaño.
  char forma[kLargoTexto + 1];
  char color[kLargoTexto + 1];
};

#endif  // SHAPESTACK_FIGURA_H_
