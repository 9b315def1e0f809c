#ifndef TESTS_GROWSTACK_HUECOS_H_
#define TESTS_GROWSTACK_HUECOS_H_

#include <cstddef>
#include <vector>

// Utilidades comunes a las pruebas de los dos contenedores.

// Todos los huecos de un contenedor, empezando por el 0.
template <typename Contenedor>
std::vector<int> huecos(const Contenedor& c) {
  const int* e = c.getElementos();
  return std::vector<int>(e, e + c.getTamanio());
}

// `valores` seguidos de huecos vacíos hasta sumar `tamanio` huecos.
inline std::vector<int> rellenos(std::vector<int> valores, int tamanio) {
  valores.resize(static_cast<std::size_t>(tamanio), -1);
  return valores;
}

// 1, 2, ..., n.
inline std::vector<int> hasta(int n) {
  std::vector<int> v;
  for (int i = 1; i <= n; ++i) {
    v.push_back(i);
  }
  return v;
}

template <typename Contenedor>
void insertarTodos(Contenedor& c, const std::vector<int>& valores) {
  for (int v : valores) {
    c.insertar(v);
  }
}

#endif  // TESTS_GROWSTACK_HUECOS_H_
