#include "ColaFija.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> huecos(const ColaFija& cola) {
  const int* e = cola.getElementos();
  return std::vector<int>(e, e + ColaFija::kCapacidad);
}

ColaFija colaCon(const std::vector<int>& valores) {
  ColaFija cola;
  for (int v : valores) {
    cola.insertar(v);
  }
  return cola;
}

const std::vector<int> kVacia(10, -1);

TEST(ColaFija, EmpiezaVacia) {
  ColaFija cola;
  EXPECT_EQ(huecos(cola), kVacia);
  EXPECT_TRUE(cola.estaVacia());
  EXPECT_FALSE(cola.estaLlena());
}

TEST(ColaFija, SacaEnOrdenDeLlegada) {
  ColaFija cola = colaCon({1, 2, 3});
  EXPECT_EQ(huecos(cola),
            (std::vector<int>{1, 2, 3, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(cola.sacar(), 1);
  EXPECT_EQ(huecos(cola),
            (std::vector<int>{2, 3, -1, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_FALSE(cola.estaVacia());
}

TEST(ColaFija, LlenaIgnoraLaUndecimaInsercion) {
  ColaFija cola = colaCon({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_TRUE(cola.estaLlena());
  cola.insertar(42);
  EXPECT_EQ(huecos(cola), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(ColaFija, SacarDeLaLlenaDesplazaYVaciaElUltimo) {
  ColaFija cola = colaCon({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
  EXPECT_EQ(cola.sacar(), 10);
  EXPECT_EQ(huecos(cola),
            (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, -1}));
  EXPECT_FALSE(cola.estaLlena());
}

TEST(ColaFija, SacarDeLaVaciaDevuelveMenosUno) {
  ColaFija cola;
  EXPECT_EQ(cola.sacar(), -1);
  EXPECT_EQ(huecos(cola), kVacia);
}

// -1 is the empty marker, so it cannot be stored; 0 and other negatives can.
TEST(ColaFija, ValoresEspeciales) {
  struct Caso {
    int valor;
    std::vector<int> esperado;
  };
  const Caso casos[] = {
      {-1, {7, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
      {0, {7, 0, -1, -1, -1, -1, -1, -1, -1, -1}},
      {-5, {7, -5, -1, -1, -1, -1, -1, -1, -1, -1}},
  };
  for (const Caso& caso : casos) {
    ColaFija cola = colaCon({7, caso.valor});
    EXPECT_EQ(huecos(cola), caso.esperado) << "valor " << caso.valor;
  }
}

TEST(ColaFija, BorrarVaciaTodo) {
  ColaFija cola = colaCon({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  cola.borrar();
  EXPECT_EQ(huecos(cola), kVacia);
  EXPECT_TRUE(cola.estaVacia());
  cola.insertar(5);
  EXPECT_EQ(cola.sacar(), 5);
}

}  // namespace
