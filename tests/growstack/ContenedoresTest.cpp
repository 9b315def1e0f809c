// Lo que comparten Cola y Pila: todo menos la operación de sacar.

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Cola.h"
#include "Huecos.h"
#include "Pila.h"
#include "ReservaFallida.h"
#include "SalidaCapturada.h"

namespace {

template <typename Contenedor>
class Contenedores : public ::testing::Test {};

using Tipos = ::testing::Types<Cola, Pila>;
TYPED_TEST_SUITE(Contenedores, Tipos);

// Lo que mostrar() escribe en la salida estándar; lo que devuelve va a
// `devuelto` si se pasa.
template <typename Contenedor>
std::string salidaDeMostrar(const Contenedor& c,
                            const int** devuelto = nullptr) {
  SalidaCapturada salida;
  const int* elementos = c.mostrar();
  if (devuelto != nullptr) {
    *devuelto = elementos;
  }
  return salida.texto();
}

TYPED_TEST(Contenedores, PorDefectoCincoHuecosVacios) {
  TypeParam c;
  EXPECT_EQ(huecos(c), rellenos({}, 5));
  EXPECT_EQ(c.getCrecimiento(), 0);
  EXPECT_TRUE(c.estaVacia());
  EXPECT_FALSE(c.estaLlena());
}

// Solo crece cuando todos los huecos están ocupados, y lo hace en el paso,
// o en 5 si el paso es 0.
TYPED_TEST(Contenedores, CreceSoloAlEstarLleno) {
  struct Caso {
    int tamanio, crecimiento, inserciones, tamanioFinal;
  };
  const Caso casos[] = {
      {3, 2, 4, 5}, {3, 0, 4, 8}, {5, 0, 6, 10}, {5, 0, 5, 5}, {5, 0, 11, 15},
      {1, 1, 3, 3}, {2, 7, 2, 2}, {2, 7, 3, 9},  {1, 3, 5, 7},
  };
  for (const Caso& caso : casos) {
    TypeParam c(caso.tamanio, caso.crecimiento);
    insertarTodos(c, hasta(caso.inserciones));
    EXPECT_EQ(huecos(c), rellenos(hasta(caso.inserciones), caso.tamanioFinal))
        << caso.tamanio << "," << caso.crecimiento << " tras "
        << caso.inserciones;
    EXPECT_EQ(c.getCrecimiento(), caso.crecimiento);
    EXPECT_EQ(c.estaLlena(), caso.inserciones == caso.tamanioFinal);
  }
}

// Los argumentos fuera del intervalo razonable se llevan a él.
TYPED_TEST(Contenedores, ConstructorAcotaLosArgumentos) {
  struct Caso {
    int tamanio, crecimiento, tamanioHecho, crecimientoHecho;
  };
  const Caso casos[] = {
      {0, 0, 1, 0},
      {-3, -2, 1, 0},
      {INT_MIN, INT_MIN, 1, 0},
      {1, 1000000, 1, 1000000},
      {1000000, 0, 1000000, 0},
      {1000001, 1000001, 1000000, 1000000},
      {INT_MAX, INT_MAX, 1000000, 1000000},
  };
  for (const Caso& caso : casos) {
    TypeParam c(caso.tamanio, caso.crecimiento);
    EXPECT_EQ(c.getTamanio(), caso.tamanioHecho) << caso.tamanio;
    EXPECT_EQ(c.getCrecimiento(), caso.crecimientoHecho) << caso.crecimiento;
    EXPECT_EQ(huecos(c), rellenos({}, caso.tamanioHecho)) << caso.tamanio;
  }
}

// Un paso negativo no debe encoger nunca el almacén: cuenta como 0, es decir,
// como 5.
TYPED_TEST(Contenedores, PasoNegativoCreceDeCinco) {
  TypeParam c(1, -4);
  insertarTodos(c, {8, 9});
  EXPECT_EQ(huecos(c), rellenos({8, 9}, 6));
}

// El almacén nunca pasa de 1000000 huecos; una inserción rechazada no cambia
// nada.
TYPED_TEST(Contenedores, LimiteDeUnMillonDeHuecos) {
  struct Caso {
    int tamanio, crecimiento, inserciones;
    bool ultimaGuardada;
    int tamanioFinal;
  };
  const Caso casos[] = {
      {1, 999999, 2, true, 1000000},
      {1, 1000000, 2, false, 1},
      {2, 999999, 3, false, 2},
      {3, 999997, 4, true, 1000000},
  };
  for (const Caso& caso : casos) {
    TypeParam c(caso.tamanio, caso.crecimiento);
    const std::vector<int> antes = hasta(caso.inserciones - 1);
    insertarTodos(c, antes);
    EXPECT_EQ(c.insertar(caso.inserciones), caso.ultimaGuardada)
        << caso.tamanio << "," << caso.crecimiento;
    ASSERT_EQ(c.getTamanio(), caso.tamanioFinal);
    std::vector<int> esperado = antes;
    if (caso.ultimaGuardada) {
      esperado.push_back(caso.inserciones);
    }
    EXPECT_EQ(huecos(c), rellenos(esperado, caso.tamanioFinal));
  }
}

TYPED_TEST(Contenedores, SinMemoriaNoGuardaYNoCambia) {
  TypeParam c(2, 0);
  insertarTodos(c, {4, 5});
  const int* antes = c.getElementos();
  {
    ReservaFallida sinMemoria;
    EXPECT_FALSE(c.insertar(6));
    EXPECT_FALSE(c.insertar(-1));
  }
  EXPECT_EQ(c.getElementos(), antes);
  EXPECT_EQ(huecos(c), (std::vector<int>{4, 5}));
  EXPECT_TRUE(c.insertar(6));
  EXPECT_EQ(huecos(c), rellenos({4, 5, 6}, 7));
}

// Sin memoria para su primer almacén, un contenedor se queda sin huecos y se
// comporta como uno vacío que crece en su primera inserción.
TYPED_TEST(Contenedores, SinMemoriaAlConstruirQuedaSinHuecos) {
  std::optional<TypeParam> c;
  {
    ReservaFallida sinMemoria;
    c.emplace(3, 2);
    EXPECT_FALSE(c->insertar(1));
  }
  EXPECT_EQ(c->getTamanio(), 0);
  EXPECT_EQ(c->getElementos(), nullptr);
  EXPECT_TRUE(c->estaVacia());
  EXPECT_TRUE(c->estaLlena());
  EXPECT_EQ(c->sacar(), -1);
  c->borrar();
  EXPECT_EQ(salidaDeMostrar(*c), "\n");
  TypeParam copia(*c);
  EXPECT_EQ(copia.getTamanio(), 0);
  EXPECT_TRUE(c->insertar(1));
  EXPECT_EQ(huecos(*c), (std::vector<int>{1, -1}));
}

TYPED_TEST(Contenedores, BorrarConservaElTamanioCrecido) {
  TypeParam c;
  insertarTodos(c, hasta(6));
  c.borrar();
  EXPECT_EQ(huecos(c), rellenos({}, 10));
  EXPECT_TRUE(c.estaVacia());
  EXPECT_EQ(c.getCrecimiento(), 0);
  c.insertar(3);
  EXPECT_EQ(huecos(c), rellenos({3}, 10));
}

TYPED_TEST(Contenedores, MostrarEscribeCadaHueco) {
  struct Caso {
    std::vector<int> valores;
    std::string salida;
  };
  const std::vector<Caso> casos = {
      {{}, "-1 -1 -1 -1 -1 \n"},
      {{7}, "7 -1 -1 -1 -1 \n"},
      {{-5, 0, 12, 3, 4, 1000000}, "-5 0 12 3 4 1000000 -1 -1 -1 -1 \n"},
  };
  for (const Caso& caso : casos) {
    TypeParam c;
    insertarTodos(c, caso.valores);
    EXPECT_EQ(salidaDeMostrar(c), caso.salida);
  }
  TypeParam c;
  const int* devuelto = nullptr;
  salidaDeMostrar(c, &devuelto);
  EXPECT_EQ(devuelto, c.getElementos());
}

// -1 marca el hueco vacío, así que no se puede guardar; el 0 y los demás
// negativos sí.
TYPED_TEST(Contenedores, ValoresEspeciales) {
  struct Caso {
    std::vector<int> valores;
    std::vector<int> esperado;
  };
  const std::vector<Caso> casos = {
      {{7, -1}, rellenos({7}, 5)},
      {{7, 0}, rellenos({7, 0}, 5)},
      {{7, -5}, rellenos({7, -5}, 5)},
      {{1, 2, 3, 4, 5, -1}, rellenos(hasta(5), 10)},
      {{1, 2, 3, 4, 5, -1, 6}, rellenos(hasta(6), 10)},
  };
  for (const Caso& caso : casos) {
    TypeParam c;
    for (int v : caso.valores) {
      EXPECT_TRUE(c.insertar(v));
    }
    EXPECT_EQ(huecos(c), caso.esperado);
  }
}

TYPED_TEST(Contenedores, CopiaConHuecosPropios) {
  TypeParam original(3, 2);
  insertarTodos(original, hasta(4));
  TypeParam copia(original);
  EXPECT_NE(copia.getElementos(), original.getElementos());
  EXPECT_EQ(huecos(copia), huecos(original));
  EXPECT_EQ(copia.getCrecimiento(), 2);
  original.borrar();
  original.insertar(9);
  EXPECT_EQ(huecos(copia), rellenos(hasta(4), 5));

  TypeParam destino(7, 1);
  destino.insertar(42);
  destino = copia;
  EXPECT_NE(destino.getElementos(), copia.getElementos());
  EXPECT_EQ(huecos(destino), rellenos(hasta(4), 5));
  EXPECT_EQ(destino.getCrecimiento(), 2);
  copia.sacar();
  EXPECT_EQ(huecos(destino), rellenos(hasta(4), 5));
}

TYPED_TEST(Contenedores, MoverEntregaLosHuecos) {
  TypeParam origen(3, 2);
  insertarTodos(origen, {1, 2});
  const int* almacen = origen.getElementos();

  TypeParam movido(std::move(origen));
  EXPECT_EQ(movido.getElementos(), almacen);
  EXPECT_EQ(huecos(movido), (std::vector<int>{1, 2, -1}));
  EXPECT_EQ(movido.getCrecimiento(), 2);
  EXPECT_EQ(origen.getTamanio(), 0);
  EXPECT_EQ(origen.getElementos(), nullptr);

  TypeParam destino;
  destino = std::move(movido);
  EXPECT_EQ(destino.getElementos(), almacen);
  EXPECT_EQ(huecos(destino), (std::vector<int>{1, 2, -1}));
  EXPECT_EQ(movido.getElementos(), nullptr);

  // Lo que queda en el origen sigue funcionando: crece desde cero huecos
  // según su paso.
  EXPECT_TRUE(movido.insertar(5));
  EXPECT_EQ(huecos(movido), (std::vector<int>{5, -1}));
}

TYPED_TEST(Contenedores, AsignarseASiMismo) {
  TypeParam c(3, 0);
  insertarTodos(c, {1, 2, 3, 4});
  const TypeParam& mismo = c;
  c = mismo;
  EXPECT_EQ(huecos(c), rellenos(hasta(4), 8));
  TypeParam& mismoMovible = c;
  c = std::move(mismoMovible);
  EXPECT_EQ(huecos(c), rellenos(hasta(4), 8));
}

}  // namespace
