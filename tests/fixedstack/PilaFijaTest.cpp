#include "PilaFija.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> huecos(const PilaFija& pila) {
  const int* e = pila.getElementos();
  return std::vector<int>(e, e + PilaFija::kCapacidad);
}

PilaFija pilaCon(const std::vector<int>& valores) {
  PilaFija pila;
  for (int v : valores) {
    pila.insertar(v);
  }
  return pila;
}

const std::vector<int> kVacia(10, -1);

TEST(PilaFija, EmpiezaVacia) {
  PilaFija pila;
  EXPECT_EQ(huecos(pila), kVacia);
  EXPECT_TRUE(pila.estaVacia());
  EXPECT_FALSE(pila.estaLlena());
}

TEST(PilaFija, SacaElUltimoEnLlegar) {
  PilaFija pila = pilaCon({1, 2, 3});
  EXPECT_EQ(huecos(pila),
            (std::vector<int>{1, 2, 3, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(pila.sacar(), 3);
  EXPECT_EQ(huecos(pila),
            (std::vector<int>{1, 2, -1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(PilaFija, LlenaIgnoraLaUndecimaYSacaLaDecima) {
  PilaFija pila = pilaCon({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_TRUE(pila.estaLlena());
  pila.insertar(42);
  EXPECT_EQ(huecos(pila), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(pila.sacar(), 9);
  EXPECT_EQ(huecos(pila), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, -1}));
}

TEST(PilaFija, SacarDeLaVaciaNoCambiaNada) {
  PilaFija pila;
  EXPECT_EQ(pila.sacar(), -1);
  EXPECT_EQ(huecos(pila), kVacia);
  EXPECT_TRUE(pila.estaVacia());
}

TEST(PilaFija, SacarHastaVaciarYSeguir) {
  PilaFija pila = pilaCon({4, 9});
  EXPECT_EQ(pila.sacar(), 9);
  EXPECT_EQ(pila.sacar(), 4);
  EXPECT_EQ(pila.sacar(), -1);
  EXPECT_TRUE(pila.estaVacia());
}

TEST(PilaFija, ValoresEspeciales) {
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
    PilaFija pila = pilaCon({7, caso.valor});
    EXPECT_EQ(huecos(pila), caso.esperado) << "valor " << caso.valor;
  }
}

TEST(PilaFija, BorrarVaciaTodo) {
  PilaFija pila = pilaCon({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  pila.borrar();
  EXPECT_EQ(huecos(pila), kVacia);
  EXPECT_TRUE(pila.estaVacia());
}

}  // namespace
