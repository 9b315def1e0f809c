// La cola y la pila de figuras en una sola prueba tipada: las dos guardan
// hasta diez figuras y las borran una sola vez. Se diferencian en el extremo
// por el que sale una figura y en que la pila lleva la cuenta de las que
// guarda; eso lo dice Rasgos, y cada prueba lo usa donde hace falta.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ColaFiguras.h"
#include "FiguraContada.h"
#include "PilaFiguras.h"

namespace {

// Lo que distingue a cada contenedor en estas pruebas.
template <typename Contenedor>
struct Rasgos;

template <>
struct Rasgos<ColaFiguras> {
  // Sale la primera en llegar.
  static constexpr bool kSacaLaPrimera = true;
  // La cola no lleva cuenta: son las figuras que se ven en sus huecos.
  static int cuantas(const ColaFiguras& cola) {
    return static_cast<int>(colores(cola).size());
  }
};

template <>
struct Rasgos<PilaFiguras> {
  // Sale la última en llegar.
  static constexpr bool kSacaLaPrimera = false;
  static int cuantas(const PilaFiguras& pila) { return pila.getContador(); }
};

// La figura que debe salir de un contenedor que guarda `dentro`, en orden de
// llegada.
template <typename Contenedor>
std::string laQueSale(const std::vector<std::string>& dentro) {
  return Rasgos<Contenedor>::kSacaLaPrimera ? dentro.front() : dentro.back();
}

// Lo que queda en los huecos cuando sale esa figura.
template <typename Contenedor>
std::vector<std::string> loQueQueda(std::vector<std::string> dentro) {
  if (Rasgos<Contenedor>::kSacaLaPrimera) {
    dentro.erase(dentro.begin());
  } else {
    dentro.pop_back();
  }
  return dentro;
}

// Cuántas figuras guarda el contenedor.
template <typename Contenedor>
int cuantas(const Contenedor& contenedor) {
  return Rasgos<Contenedor>::cuantas(contenedor);
}

// Inserta una figura contada por cada nombre, en orden.
template <typename Contenedor>
void llenar(Contenedor& contenedor, const std::vector<std::string>& nombres) {
  for (const std::string& nombre : nombres) {
    contenedor.insertar(FiguraContada::nueva(nombre));
  }
}

const std::vector<std::string> kTres = {"A", "B", "C"};
const std::vector<std::string> kDiez = {"A", "B", "C", "D", "E",
                                        "F", "G", "H", "I", "J"};

// Cada prueba empieza con las cuentas de FiguraContada a cero.
template <typename Contenedor>
class ContenedoresDeFiguras : public ::testing::Test {
 protected:
  void SetUp() override { FiguraContada::reiniciar(); }
};

using Tipos = ::testing::Types<ColaFiguras, PilaFiguras>;
TYPED_TEST_SUITE(ContenedoresDeFiguras, Tipos);

TYPED_TEST(ContenedoresDeFiguras, EmpiezaVacio) {
  TypeParam c;
  EXPECT_TRUE(colores(c).empty());
  EXPECT_EQ(cuantas(c), 0);
  EXPECT_EQ(c.getElemento(-1), nullptr);
  EXPECT_EQ(c.getElemento(10), nullptr);
}

// Las tres salen, una a una, por el extremo de cada contenedor; lo que sale
// es la parte Figura de la figura guardada.
TYPED_TEST(ContenedoresDeFiguras, SacaPorSuExtremo) {
  TypeParam c;
  llenar(c, kTres);
  EXPECT_EQ(cuantas(c), 3);
  const Figura fuera = c.sacar();
  EXPECT_STREQ(fuera.getColor(), laQueSale<TypeParam>(kTres).c_str());
  EXPECT_STREQ(fuera.getForma(), "Contada");
  EXPECT_EQ(fuera.area(), 0);  // una Figura sin más
  const std::vector<std::string> quedan = loQueQueda<TypeParam>(kTres);
  EXPECT_EQ(colores(c), quedan);
  EXPECT_EQ(cuantas(c), 2);
  EXPECT_STREQ(c.sacar().getColor(), laQueSale<TypeParam>(quedan).c_str());
  EXPECT_STREQ(c.sacar().getColor(),
               laQueSale<TypeParam>(loQueQueda<TypeParam>(quedan)).c_str());
  EXPECT_TRUE(colores(c).empty());
  EXPECT_EQ(cuantas(c), 0);
}

// La undécima se rechaza y se borra. Al sacar una del contenedor lleno queda
// un hueco al final, que ocupa la siguiente.
TYPED_TEST(ContenedoresDeFiguras, LlenoRechazaLaUndecimaYLaBorra) {
  TypeParam c;
  llenar(c, kDiez);
  llenar(c, {"K"});
  EXPECT_EQ(colores(c), kDiez);
  EXPECT_EQ(cuantas(c), 10);
  EXPECT_EQ(FiguraContada::destruidas, 1);

  EXPECT_STREQ(c.sacar().getColor(), laQueSale<TypeParam>(kDiez).c_str());
  std::vector<std::string> dentro = loQueQueda<TypeParam>(kDiez);
  EXPECT_EQ(colores(c), dentro);
  EXPECT_EQ(cuantas(c), 9);
  llenar(c, {"K"});
  dentro.emplace_back("K");
  EXPECT_EQ(colores(c), dentro);
  EXPECT_EQ(cuantas(c), 10);
}

TYPED_TEST(ContenedoresDeFiguras, SacarDelVacioDevuelveFiguraVacia) {
  TypeParam c;
  for (int vez = 0; vez < 2; ++vez) {
    const Figura fuera = c.sacar();
    EXPECT_STREQ(fuera.getForma(), "");
    EXPECT_STREQ(fuera.getColor(), "");
    EXPECT_TRUE(colores(c).empty());
    EXPECT_EQ(cuantas(c), 0);
  }
  llenar(c, {"A"});
  EXPECT_EQ(colores(c), (std::vector<std::string>{"A"}));
  EXPECT_EQ(cuantas(c), 1);
}

// Borrar, medio lleno o lleno, lo vacía y borra cada figura; después el
// contenedor vuelve a servir: una figura dentro y la misma fuera.
TYPED_TEST(ContenedoresDeFiguras, BorrarVaciaTodoYVuelveAServir) {
  for (const std::vector<std::string>& dentro : {kTres, kDiez}) {
    SCOPED_TRACE(std::to_string(dentro.size()) + " dentro");
    FiguraContada::reiniciar();
    TypeParam c;
    llenar(c, dentro);
    c.borrar();
    EXPECT_TRUE(colores(c).empty());
    EXPECT_EQ(cuantas(c), 0);
    EXPECT_EQ(FiguraContada::destruidas, static_cast<int>(dentro.size()));
    llenar(c, {"X"});
    EXPECT_EQ(colores(c), (std::vector<std::string>{"X"}));
    EXPECT_STREQ(c.sacar().getColor(), "X");
    EXPECT_TRUE(colores(c).empty());
    EXPECT_EQ(cuantas(c), 0);
  }
}

TYPED_TEST(ContenedoresDeFiguras, NuloNoOcupaHueco) {
  TypeParam c;
  llenar(c, {"A"});
  c.insertar(nullptr);
  EXPECT_EQ(cuantas(c), 1);
  llenar(c, {"B"});
  EXPECT_EQ(colores(c), (std::vector<std::string>{"A", "B"}));
}

// Cada figura se borra exactamente una vez, en el momento en que sale o con
// el contenedor, salga como salga.
TYPED_TEST(ContenedoresDeFiguras, CadaFiguraSeBorraUnaVez) {
  struct Paso {
    const char* nombre;
    void (*accion)(TypeParam&);
    int destruidasTras;
  };
  const Paso pasos[] = {
      {"diez dentro", [](TypeParam& c) { llenar(c, kDiez); }, 0},
      {"undecima", [](TypeParam& c) { llenar(c, {"K"}); }, 1},
      {"sacar", [](TypeParam& c) { c.sacar(); }, 2},
      {"sacar otra", [](TypeParam& c) { c.sacar(); }, 3},
      {"otra dentro", [](TypeParam& c) { llenar(c, {"L"}); }, 3},
      {"borrar", [](TypeParam& c) { c.borrar(); }, 12},
      {"sacar del vacio", [](TypeParam& c) { c.sacar(); }, 12},
      {"tres mas",
       [](TypeParam& c) {
         llenar(c, {"X", "Y", "Z"});
       },
       12},
  };
  {
    TypeParam c;
    for (const Paso& paso : pasos) {
      paso.accion(c);
      EXPECT_EQ(FiguraContada::destruidas, paso.destruidasTras) << paso.nombre;
    }
  }
  EXPECT_EQ(FiguraContada::creadas, 15);
  EXPECT_EQ(FiguraContada::destruidas, 15);
}

}  // namespace
