#ifndef SHAPESTACK_VISUALIZAR_H_
#define SHAPESTACK_VISUALIZAR_H_

// Declara visualizar(), que describe el objeto con una frase en la salida
// estándar.
//
// Es una interfaz sin datos, la base de Figura y, a través de ella, de todas
// las figuras. El programa nunca usa ni destruye una figura a través de un
// puntero a Visualizar, sino a través de Figura; por eso su destructor es
// protegido y no virtual.
class Visualizar {
 public:
  // Escribe la frase que la describe y un fin de línea.
  virtual void visualizar() const = 0;

 protected:
  Visualizar() = default;
  Visualizar(const Visualizar&) = default;
  Visualizar& operator=(const Visualizar&) = default;
  Visualizar(Visualizar&&) = default;
  Visualizar& operator=(Visualizar&&) = default;
  ~Visualizar() = default;
};

#endif  // SHAPESTACK_VISUALIZAR_H_
