#ifndef SHAPESTACK_VISUALIZAR_H_
#define SHAPESTACK_VISUALIZAR_H_

// Something that can describe itself in one sentence on standard output.
//
// An interface without data, the base of every shape. Nothing is deleted or
// called through it, so its destructor is protected and not virtual; a shape
// is deleted through Figura.
class Visualizar {
 public:
  // Writes the describing sentence and a line end.
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
