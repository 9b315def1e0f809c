#ifndef SHAPESTACK_DIBUJAR_H_
#define SHAPESTACK_DIBUJAR_H_

// Something that can draw and colour itself, one sentence each on standard
// output.
//
// An interface without data, the second base of the concrete shapes; their
// single override of each operation serves this base and Figura alike. No
// shape is deleted through it, so its destructor is protected and not
// virtual.
class Dibujar {
 public:
  // Writes the drawing sentence and a line end.
  virtual void dibujar() const = 0;
  // Writes the colouring sentence and a line end.
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
