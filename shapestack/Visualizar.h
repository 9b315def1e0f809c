#ifndef SHAPESTACK_VISUALIZAR_H_
#define SHAPESTACK_VISUALIZAR_H_

// Algo que sabe describirse con una frase en la salida estándar.
//
// Es una interfaz sin datos, la base de todas las figuras. Nada se borra ni
// se llama a través de ella, por eso su destructor es protegido y no
// virtual; una figura se borra a través de Figura.
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
