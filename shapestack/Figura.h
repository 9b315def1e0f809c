#ifndef SHAPESTACK_FIGURA_H_
#define SHAPESTACK_FIGURA_H_

#include "Visualizar.h"

// A shape with a form name and a colour name, each at most nine characters.
//
// Concrete: a plain Figura draws and colours itself with the figure
// sentences and has area 0. Circulo and Cuadrado derive from it; copying one
// of them into a Figura value keeps the form and colour and nothing else, so
// the copy behaves as a plain Figura.
//
// Every sentence goes to standard output and ends with std::endl. No value is
// validated: the colour may be any word.
class Figura : public Visualizar {
 public:
  // Longest form or colour kept; longer texts are cut to this length.
  static constexpr int kLargoTexto = 9;

  // Copies the first nine characters of `forma` and of `color`; a null
  // pointer counts as an empty text.
  Figura(const char* forma, const char* color);

  Figura(const Figura&) = default;
  Figura& operator=(const Figura&) = default;
  Figura(Figura&&) = default;
  Figura& operator=(Figura&&) = default;

  // "Figura con la forma <forma> y el color <color>".
  void visualizar() const override;
  // Takes colour n from the table 1 Blanco ... 10 Negro; any other n leaves
  // the colour as it was.
  virtual void setColor(int n);
  virtual float area() const;
  virtual void dibujar() const;
  virtual void colorear() const;

  // Virtual: las figuras se borran a través de un puntero a Figura.
  virtual ~Figura() = default;

  const char* getForma() const;
  const char* getColor() const;

 private:
  // Both NUL-terminated, filled by a copy bounded by their size.
  char forma[kLargoTexto + 1];
  char color[kLargoTexto + 1];
};

#endif  // SHAPESTACK_FIGURA_H_
