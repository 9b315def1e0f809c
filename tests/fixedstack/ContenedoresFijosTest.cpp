// La cola y la pila de diez huecos: lo que comparten, como una sola prueba
// con tipos, y después la operación de sacar, en la que se diferencian.

#include <gtest/gtest.h>

#include <vector>

#include "ColaFija.h"
#include "PilaFija.h"

namespace {

// Los diez huecos, empezando por el 0.
template <typename Contenedor>
std::vector<int> huecos(const Contenedor& c) {
  const int* e = c.getElementos();
  return std::vector<int>(e, e + Contenedor::kCapacidad);
}

// Un contenedor nuevo con `valores` insertados en orden.
template <typename Contenedor>
Contenedor con(const std::vector<int>& valores) {
  Contenedor c;
  for (int v : valores) {
    c.insertar(v);
  }
  return c;
}

const std::vector<int> kVacia(10, -1);

template <typename Contenedor>
class ContenedoresFijos : public ::testing::Test {};

using Tipos = ::testing::Types<ColaFija, PilaFija>;
TYPED_TEST_SUITE(ContenedoresFijos, Tipos);

TYPED_TEST(ContenedoresFijos, EmpiezaVacia) {
  TypeParam c;
  EXPECT_EQ(huecos(c), kVacia);
  EXPECT_TRUE(c.estaVacia());
  EXPECT_FALSE(c.estaLlena());
}

TYPED_TEST(ContenedoresFijos, LlenaIgnoraLaUndecimaInsercion) {
  TypeParam c = con<TypeParam>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_TRUE(c.estaLlena());
  c.insertar(42);
  EXPECT_EQ(huecos(c), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TYPED_TEST(ContenedoresFijos, SacarDeLaVaciaDevuelveMenosUnoYNoCambiaNada) {
  TypeParam c;
  EXPECT_EQ(c.sacar(), -1);
  EXPECT_EQ(huecos(c), kVacia);
  EXPECT_TRUE(c.estaVacia());
}

// -1 marca el hueco vacío, así que no se puede guardar; el 0 y los demás
// negativos sí.
TYPED_TEST(ContenedoresFijos, ValoresEspeciales) {
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
    TypeParam c = con<TypeParam>({7, caso.valor});
    EXPECT_EQ(huecos(c), caso.esperado) << "valor " << caso.valor;
  }
}

TYPED_TEST(ContenedoresFijos, BorrarVaciaTodo) {
  TypeParam c = con<TypeParam>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  c.borrar();
  EXPECT_EQ(huecos(c), kVacia);
  EXPECT_TRUE(c.estaVacia());
  c.insertar(5);
  EXPECT_EQ(c.sacar(), 5);
}

TEST(ColaFija, SacaEnOrdenDeLlegada) {
  ColaFija cola = con<ColaFija>({1, 2, 3});
  EXPECT_EQ(huecos(cola),
            (std::vector<int>{1, 2, 3, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(cola.sacar(), 1);
  EXPECT_EQ(huecos(cola),
            (std::vector<int>{2, 3, -1, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_FALSE(cola.estaVacia());
}

TEST(ColaFija, SacarDeLaLlenaDesplazaYVaciaElUltimo) {
  ColaFija cola = con<ColaFija>({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
  EXPECT_EQ(cola.sacar(), 10);
  EXPECT_EQ(huecos(cola),
            (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, -1}));
  EXPECT_FALSE(cola.estaLlena());
}

TEST(PilaFija, SacaElUltimoEnLlegar) {
  PilaFija pila = con<PilaFija>({1, 2, 3});
  EXPECT_EQ(huecos(pila),
            (std::vector<int>{1, 2, 3, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(pila.sacar(), 3);
  EXPECT_EQ(huecos(pila),
            (std::vector<int>{1, 2, -1, -1, -1, -1, -1, -1, -1, -1}));
}

// El undécimo valor no se guarda en la cima: sale primero el décimo.
TEST(PilaFija, LlenaIgnoraLaUndecimaYSacaLaDecima) {
  PilaFija pila = con<PilaFija>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  pila.insertar(42);
  EXPECT_EQ(pila.sacar(), 9);
  EXPECT_EQ(huecos(pila), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, -1}));
}

TEST(PilaFija, SacarHastaVaciarYSeguir) {
  PilaFija pila = con<PilaFija>({4, 9});
  EXPECT_EQ(pila.sacar(), 9);
  EXPECT_EQ(pila.sacar(), 4);
  EXPECT_EQ(pila.sacar(), -1);
  EXPECT_TRUE(pila.estaVacia());
}

}  // namespace
