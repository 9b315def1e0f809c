#include "Cola.h"

#include <gtest/gtest.h>

#include <vector>

#include "Huecos.h"

namespace {

// Cada caso llena una cola, saca una vez y comprueba el valor y los huecos.
TEST(Cola, SacarDevuelveElFrenteYDesplaza) {
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
      {"a medias", 5, 0, {1, 2, 3}, 1, rellenos({2, 3}, 5)},
      {"llena", 5, 0, {1, 2, 3, 4, 5}, 1, rellenos({2, 3, 4, 5}, 5)},
      {"llena tras crecer",
       3,
       2,
       {1, 2, 3, 4, 5},
       1,
       rellenos({2, 3, 4, 5}, 5)},
      {"crecida", 5, 0, {1, 2, 3, 4, 5, 6}, 1, rellenos({2, 3, 4, 5, 6}, 10)},
      {"un hueco lleno", 1, 0, {4}, 4, rellenos({}, 1)},
      {"ceros y negativos", 5, 0, {0, -5, 0}, 0, rellenos({-5, 0}, 5)},
  };
  for (const Caso& caso : casos) {
    Cola cola(caso.tamanio, caso.crecimiento);
    insertarTodos(cola, caso.valores);
    EXPECT_EQ(cola.sacar(), caso.sacado) << caso.nombre;
    EXPECT_EQ(huecos(cola), caso.despues) << caso.nombre;
  }
}

TEST(Cola, SaleEnOrdenDeLlegadaAunCreciendo) {
  Cola cola(2, 1);
  insertarTodos(cola, hasta(4));
  EXPECT_EQ(cola.sacar(), 1);
  cola.insertar(5);
  std::vector<int> sacados;
  while (!cola.estaVacia()) {
    sacados.push_back(cola.sacar());
  }
  EXPECT_EQ(sacados, (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(cola.sacar(), -1);
  EXPECT_EQ(huecos(cola), rellenos({}, 4));
}

}  // namespace
