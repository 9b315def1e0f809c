#ifndef SHAPESTACK_FIGURA_H_
#define SHAPESTACK_FIGURA_H_

#include "Visualizar.h"

// Una figura guarda el nombre de su forma y el de su color, de 9 bytes como
// mucho cada uno (una «ñ» ocupa dos).
//
// Es concreta: una Figura sin más se dibuja y se colorea con las frases que
// dicen "una figura" y tiene área 0. Circulo y Cuadrado derivan de ella. Al
// copiar uno de ellos en un valor Figura solo se copian la forma y el color,
// y se pierden el radio o el lado (el llamado «slicing»), así que la copia se
// comporta como una Figura sin más.
//
// Todas las frases van a la salida estándar y acaban con std::endl. No se
// valida ningún valor: el color puede ser cualquier palabra.
//
// Es intencionado: el programa no llama a setColor() ni a area(); son parte
// de la interfaz de la clase y las comprueban las pruebas.
class Figura : public Visualizar {
 public:
  // Longitud máxima, en bytes, que se guarda de la forma o del color; los
  // textos más largos se cortan a sus 9 primeros bytes.
  static constexpr int kLargoTexto = 9;

  // Crea una figura con los 9 primeros bytes de `forma` y de `color`; un
  // puntero nulo cuenta como texto vacío.
  Figura(const char* forma, const char* color);

  Figura(const Figura&) = default;
  Figura& operator=(const Figura&) = default;
  Figura(Figura&&) = default;
  Figura& operator=(Figura&&) = default;

  // Escribe "Figura con la forma <forma> y el color <color>".
  void visualizar() const override;
  // Cambia el color por el de número `n` en la tabla: 1 Blanco, 2 Verde,
  // 3 Azul, 4 Rojo, 5 Naranja, 6 Violeta, 7 Amarillo, 8 Marron, 9 Rosa y
  // 10 Negro. Con otro `n`, el color no cambia.
  virtual void setColor(int n);
  // Devuelve el área, que en una Figura sin más vale 0.
  virtual float area() const;
  // Escribe "Estoy dibujando una figura con la forma <forma>".
  virtual void dibujar() const;
  // Escribe "Estoy coloreando una figura con el color <color>".
  virtual void colorear() const;

  // Es virtual porque las figuras se destruyen a través de un puntero a
  // Figura.
  virtual ~Figura() = default;

  const char* getForma() const;
  const char* getColor() const;

 private:
  // Ambos terminan en '\0' y se llenan con una copia limitada a su tamaño.
  char forma[kLargoTexto + 1];
  char color[kLargoTexto + 1];
};

#endif  // SHAPESTACK_FIGURA_H_
