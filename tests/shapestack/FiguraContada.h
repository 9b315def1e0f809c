#ifndef TESTS_SHAPESTACK_FIGURACONTADA_H_
#define TESTS_SHAPESTACK_FIGURACONTADA_H_

#include <memory>
#include <string>
#include <vector>

#include "Figura.h"

// Una figura que cuenta cuántas de su clase se han creado y destruido, para
// que una prueba vea una figura perdida (menos destruidas que creadas) o
// borrada dos veces (más). Su color la nombra, así que un listado muestra
// cuál está dónde.
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

  // Las dos cuentas a cero, al empezar cada prueba.
  static void reiniciar() { creadas = destruidas = 0; }

  static inline int creadas = 0;
  static inline int destruidas = 0;
};

// Los colores de las figuras de un contenedor desde el hueco 0 hasta el
// primer hueco vacío, y luego una marca por cada hueco ocupado tras él (una
// fila rota).
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
