#ifndef SHAPESTACK_DIBUJAR_H_
#define SHAPESTACK_DIBUJAR_H_

// Algo que sabe dibujarse y colorearse, con una frase para cada cosa en la
// salida estándar.
//
// Es una interfaz sin datos, la segunda base de las figuras concretas; la
// única redefinición de cada operación en ellas sirve a la vez para esta base
// y para Figura. Ninguna figura se borra a través de ella, por eso su
// destructor es protegido y no virtual.
class Dibujar {
 public:
  // Escribe la frase de dibujar y un fin de línea.
  virtual void dibujar() const = 0;
  // Escribe la frase de colorear y un fin de línea.
  virtual void colorear() const = 0;

 protected:
  Dibujar() = default;
  Dibujar(const Dibujar&) = default;
  Dibujar& operator=(const Dibujar&) = default;
  Dibujar(Dibujar&&) = default;
  Dibujar& operator=(Dibujar&&) = default;
  ~Dibujar() = default;
};

#endif  // SHAPESTACK_DIBUJAR_H_
