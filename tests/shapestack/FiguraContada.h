#ifndef TESTS_SHAPESTACK_FIGURACONTADA_H_
#define TESTS_SHAPESTACK_FIGURACONTADA_H_

#include <memory>
#include <string>
#include <vector>

#include "Figura.h"

// A shape that counts how many of its kind were made and destroyed, so that
// a test sees a shape leaked (fewer destroyed than made) or deleted twice
// (more). Its colour names it, so a listing shows which one is where.
class FiguraContada : public Figura {
 public:
  explicit FiguraContada(const std::string& nombre)
      : Figura("Contada", nombre.c_str()) {
    ++creadas;
  }
  FiguraContada(const FiguraContada&) = delete;
  FiguraContada& operator=(const FiguraContada&) = delete;
  ~FiguraContada() override { ++destruidas; }

  static std::unique_ptr<Figura> nueva(const std::string& nombre) {
    return std::make_unique<FiguraContada>(nombre);
  }

  // Both counts back to zero, at the start of each test.
  static void reiniciar() { creadas = destruidas = 0; }

  static inline int creadas = 0;
  static inline int destruidas = 0;
};

// The colours of a container's shapes from slot 0 to the first empty slot,
// then a marker for any occupied slot after it (a broken run).
template <typename Contenedor>
std::vector<std::string> colores(const Contenedor& contenedor) {
  std::vector<std::string> vistos;
  int i = 0;
  for (; i < Contenedor::kCapacidad && contenedor.getElemento(i) != nullptr;
       ++i) {
    vistos.emplace_back(contenedor.getElemento(i)->getColor());
  }
  for (; i < Contenedor::kCapacidad; ++i) {
    if (contenedor.getElemento(i) != nullptr) {
      vistos.emplace_back("<hueco antes>");
    }
  }
  return vistos;
}

#endif  // TESTS_SHAPESTACK_FIGURACONTADA_H_
