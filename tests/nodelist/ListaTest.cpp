#include "Lista.h"
#include "Memoria.h"
#include "SalidaCapturada.h"

#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// La lista no debe duplicarse nunca: dos listas liberarían dos veces la
// misma cadena.
static_assert(!std::is_copy_constructible_v<Lista>);
static_assert(!std::is_copy_assignable_v<Lista>);
static_assert(!std::is_move_constructible_v<Lista>);
static_assert(!std::is_move_assignable_v<Lista>);

bool memoriaContable() {
  empezarAVigilar(1);
  // Llamadas directas, que el compilador no puede suprimir como sí puede
  // suprimir una pareja de expresiones new y delete. Las dos formas de
  // delete: un comprobador puede sustituir cualquiera de ellas.
  ::operator delete(::operator new(1));
#ifdef __cpp_sized_deallocation
  ::operator delete(::operator new(1), 1);
#else
  ::operator delete(::operator new(1));
#endif
  const Memoria prueba = dejarDeVigilar();
  return prueba.reservas == 2 && prueba.liberaciones == 2;
}

namespace {

// Ejecuta `accion` con la memoria vigilada y devuelve lo que reservó y liberó
// con new y delete.
template <typename Accion>
Memoria vigilar(Accion accion) {
  empezarAVigilar(sizeof(Nodo));
  accion();
  return dejarDeVigilar();
}

// Todo lo que escribe mostrar.
std::string texto(const Lista& lista) {
  SalidaCapturada salida;
  lista.mostrar();
  return salida.texto();
}

// Los valores de la cadena que empieza en `nodo`, recorrida hasta su final
// nulo.
std::vector<int> cadenaDesde(const Nodo* nodo) {
  std::vector<int> valores;
  for (; nodo != nullptr; nodo = nodo->getSiguiente()) {
    valores.push_back(nodo->getDato());
  }
  return valores;
}

enum Extremo { kPrincipio, kFinal };

void insertar(Lista& lista, Extremo extremo, const std::vector<int>& valores) {
  for (int v : valores) {
    if (extremo == kPrincipio) {
      lista.insertarPrincipio(v);
    } else {
      lista.insertarFinal(v);
    }
  }
}

TEST(Nodo, NaceSinSiguiente) {
  const Nodo conDato(42);
  EXPECT_EQ(conDato.getDato(), 42);
  EXPECT_EQ(conDato.getSiguiente(), nullptr);
  const Nodo porDefecto;
  EXPECT_EQ(porDefecto.getDato(), 0);
  EXPECT_EQ(porDefecto.getSiguiente(), nullptr);
}

TEST(Lista, EmpiezaVacia) {
  Lista lista;
  EXPECT_EQ(texto(lista), "");
  EXPECT_EQ(lista.buscar(0), nullptr);
}

TEST(Lista, OrdenDeInsercion) {
  struct Caso {
    const char* nombre;
    std::vector<std::pair<Extremo, int>> inserciones;
    std::string esperado;
  };
  const Caso casos[] = {
      {"principio", {{kPrincipio, 1}, {kPrincipio, 2}, {kPrincipio, 3}}, "321"},
      {"final", {{kFinal, 1}, {kFinal, 2}, {kFinal, 3}}, "123"},
      {"final en vacia y luego principio",
       {{kFinal, 1}, {kPrincipio, 2}},
       "21"},
      {"principio en vacia y luego final",
       {{kPrincipio, 1}, {kFinal, 2}},
       "12"},
      {"alternando",
       {{kFinal, 3},
        {kPrincipio, 2},
        {kFinal, 4},
        {kPrincipio, 1},
        {kFinal, 5}},
       "12345"},
      {"repetidos", {{kFinal, 7}, {kFinal, 7}, {kPrincipio, 7}}, "777"},
  };
  for (const Caso& caso : casos) {
    Lista lista;
    for (const auto& [extremo, valor] : caso.inserciones) {
      insertar(lista, extremo, {valor});
    }
    EXPECT_EQ(texto(lista), caso.esperado) << caso.nombre;
  }
}

TEST(Lista, MostrarNoSeparaLosValores) {
  struct Caso {
    std::vector<int> valores;
    std::string esperado;
  };
  const Caso casos[] = {
      {{12, 3}, "123"},
      {{1, 23}, "123"},
      {{5, -3}, "5-3"},
      {{0, -0, 10}, "0010"},
      {{-2147483647 - 1, 2147483647}, "-21474836482147483647"},
  };
  for (const Caso& caso : casos) {
    Lista lista;
    insertar(lista, kFinal, caso.valores);
    EXPECT_EQ(texto(lista), caso.esperado);
  }
}

TEST(Lista, BorrarQuitaSoloElPrimeroQueCoincide) {
  struct Caso {
    const char* nombre;
    std::vector<int> valores;  // Del principio al final.
    int borrado;
    bool resultado;
    std::vector<int> quedan;
  };
  const Caso casos[] = {
      {"primero de repetidos", {5, 7, 5}, 5, true, {7, 5}},
      {"unico", {4}, 4, true, {}},
      {"ultimo", {1, 2, 3}, 3, true, {1, 2}},
      {"del medio", {1, 2, 3}, 2, true, {1, 3}},
      {"repetido en medio", {1, 2, 2, 3}, 2, true, {1, 2, 3}},
      {"primero de repetidos tras otro", {1, 2, 3, 2}, 2, true, {1, 3, 2}},
      {"vacia", {}, 0, false, {}},
      {"ausente", {1, 2, 3}, 9, false, {1, 2, 3}},
      {"ausente en unico", {1}, 2, false, {1}},
  };
  for (const Caso& caso : casos) {
    Lista lista;
    insertar(lista, kFinal, caso.valores);
    EXPECT_EQ(lista.borrar(caso.borrado), caso.resultado) << caso.nombre;
    // La cadena que queda, recorrida desde su primer nodo hasta un final
    // nulo: si se va el último nodo, su anterior pasa a cerrar la cadena.
    const Nodo* primero =
        caso.quedan.empty() ? nullptr : lista.buscar(caso.quedan.front());
    EXPECT_EQ(cadenaDesde(primero), caso.quedan) << caso.nombre;
    std::string esperado;
    for (int v : caso.quedan) {
      esperado += std::to_string(v);
    }
    EXPECT_EQ(texto(lista), esperado) << caso.nombre;
  }
}

TEST(Lista, BorrarLiberaElNodoQueQuita) {
  if (!memoriaContable()) {
    GTEST_SKIP() << "las reservas las cuenta un comprobador de memoria";
  }
  struct Caso {
    std::vector<int> valores;
    int borrado;
    int liberados;
  };
  const Caso casos[] = {
      {{5, 7, 5}, 5, 1}, {{4}, 4, 1},    {{1, 2, 3}, 3, 1},
      {{}, 0, 0},        {{1, 2}, 9, 0},
  };
  for (const Caso& caso : casos) {
    Lista lista;
    insertar(lista, kFinal, caso.valores);
    const Memoria uso = vigilar([&] { lista.borrar(caso.borrado); });
    EXPECT_EQ(uso.liberaciones, caso.liberados) << "borrado " << caso.borrado;
    EXPECT_EQ(uso.reservas, 0) << "borrado " << caso.borrado;
  }
}

TEST(Lista, BorrarHastaVaciarYSeguirUsandola) {
  Lista lista;
  insertar(lista, kFinal, {5, 7, 5});
  EXPECT_TRUE(lista.borrar(5));
  EXPECT_TRUE(lista.borrar(5));
  EXPECT_EQ(texto(lista), "7");
  EXPECT_TRUE(lista.borrar(7));
  EXPECT_FALSE(lista.borrar(7));
  EXPECT_EQ(texto(lista), "");
  // Una lista vaciada funciona como una nueva: la cabeza se puso a nulo, no
  // se quedó apuntando a un nodo liberado.
  lista.insertarFinal(1);
  lista.insertarPrincipio(0);
  EXPECT_EQ(texto(lista), "01");
}

TEST(Lista, BuscarDevuelveElNodoMasCercanoAlPrincipio) {
  struct Caso {
    const char* nombre;
    std::vector<int> valores;
    int buscado;
    int posicion;  // Del nodo esperado, desde el principio; -1 si es nulo.
  };
  const Caso casos[] = {
      {"vacia", {}, 1, -1},
      {"ausente", {1, 2, 3}, 4, -1},
      {"primero", {1, 2, 3}, 1, 0},
      {"ultimo", {1, 2, 3}, 3, 2},
      {"repetido", {4, 8, 6, 8}, 8, 1},
      {"negativo", {0, -1}, -1, 1},
  };
  for (const Caso& caso : casos) {
    Lista lista;
    insertar(lista, kFinal, caso.valores);
    const std::string antes = texto(lista);
    const Nodo* encontrado = lista.buscar(caso.buscado);
    EXPECT_EQ(texto(lista), antes) << caso.nombre;
    if (caso.posicion < 0) {
      EXPECT_EQ(encontrado, nullptr) << caso.nombre;
      continue;
    }
    // El nodo de `posicion`, al que se llega desde el principio por los
    // enlaces.
    const Nodo* esperado = lista.buscar(caso.valores.front());
    for (int i = 0; i < caso.posicion; ++i) {
      esperado = esperado->getSiguiente();
    }
    EXPECT_EQ(encontrado, esperado) << caso.nombre;
  }
}

TEST(Lista, CadaInsercionReservaUnNodo) {
  if (!memoriaContable()) {
    GTEST_SKIP() << "las reservas las cuenta un comprobador de memoria";
  }
  for (int n : {1, 2, 10}) {
    Lista lista;
    const Memoria alPrincipio = vigilar([&] {
      for (int i = 0; i < n; ++i) {
        lista.insertarPrincipio(i);
      }
    });
    const Memoria alFinal = vigilar([&] {
      for (int i = 0; i < n; ++i) {
        lista.insertarFinal(i);
      }
    });
    for (const Memoria& uso : {alPrincipio, alFinal}) {
      EXPECT_EQ(uso.reservas, n);
      EXPECT_EQ(uso.reservasAjenas, 0);
      EXPECT_EQ(uso.liberaciones, 0);
    }
  }
}

TEST(Lista, DestruirLiberaCadaNodo) {
  if (!memoriaContable()) {
    GTEST_SKIP() << "las reservas las cuenta un comprobador de memoria";
  }
  for (int n : {0, 1, 2, 5, 1000}) {
    std::optional<Lista> lista;
    lista.emplace();
    for (int i = 0; i < n; ++i) {
      lista->insertarFinal(i % 3);
    }
    const Memoria uso = vigilar([&] { lista.reset(); });
    EXPECT_EQ(uso.liberaciones, n) << n << " nodos";
    EXPECT_EQ(uso.reservas, 0) << n << " nodos";
  }
}

}  // namespace
