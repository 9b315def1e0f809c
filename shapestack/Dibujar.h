#ifndef SHAPESTACK_DIBUJAR_H_
#define SHAPESTACK_DIBUJAR_H_

// Declara dibujar() y colorear(), que escriben cada una su frase en la salida
// estándar.
//
// Es una interfaz sin datos. Circulo y Cuadrado heredan de Figura y de
// Dibujar. Como Figura declara también `dibujar()` y `colorear()` como
// virtuales, una sola redefinición en Circulo o en Cuadrado sirve para las
// dos clases base. Ninguna figura se destruye a través de un puntero a
// Dibujar; por eso su destructor es protegido y no virtual.
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
