#include "Pila.h"

#include <gtest/gtest.h>

#include <vector>

#include "Huecos.h"

namespace {

// Cada caso llena una pila, saca una vez y comprueba el valor y los huecos.
TEST(Pila, SacarDevuelveLaCima) {
  struct Caso {
    const char* nombre;
    int tamanio, crecimiento;
    std::vector<int> valores;
    int sacado;
    std::vector<int> despues;
  };
  const std::vector<Caso> casos = {
      {"vacia", 5, 0, {}, -1, rellenos({}, 5)},
      {"uno", 5, 0, {8}, 8, rellenos({}, 5)},
      {"a medias", 5, 0, {1, 2, 3}, 3, rellenos({1, 2}, 5)},
      {"llena", 5, 0, {1, 2, 3, 4, 5}, 5, rellenos({1, 2, 3, 4}, 5)},
      {"llena tras crecer", 3, 2, {1, 2, 3, 4, 5}, 5, rellenos(hasta(4), 5)},
      {"crecida", 5, 0, hasta(6), 6, rellenos(hasta(5), 10)},
      {"un hueco lleno", 1, 0, {4}, 4, rellenos({}, 1)},
      {"ceros y negativos", 5, 0, {-5, 0}, 0, rellenos({-5}, 5)},
  };
  for (const Caso& caso : casos) {
    Pila pila(caso.tamanio, caso.crecimiento);
    insertarTodos(pila, caso.valores);
    EXPECT_EQ(pila.sacar(), caso.sacado) << caso.nombre;
    EXPECT_EQ(huecos(pila), caso.despues) << caso.nombre;
  }
}

TEST(Pila, SaleElUltimoEnLlegarAunCreciendo) {
  Pila pila(2, 1);
  insertarTodos(pila, hasta(4));
  EXPECT_EQ(pila.sacar(), 4);
  pila.insertar(5);
  std::vector<int> sacados;
  while (!pila.estaVacia()) {
    sacados.push_back(pila.sacar());
  }
  EXPECT_EQ(sacados, (std::vector<int>{5, 3, 2, 1}));
  EXPECT_EQ(pila.sacar(), -1);
  EXPECT_EQ(huecos(pila), rellenos({}, 4));
}

}  // namespace
