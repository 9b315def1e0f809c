#include "PilaFiguras.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FiguraContada.h"

namespace {

void llenar(PilaFiguras& pila, const std::vector<std::string>& nombres) {
  for (const std::string& nombre : nombres) {
    pila.insertar(FiguraContada::nueva(nombre));
  }
}

const std::vector<std::string> kDiez = {"A", "B", "C", "D", "E",
                                        "F", "G", "H", "I", "J"};

class PilaFigurasTest : public ::testing::Test {
 protected:
  void SetUp() override { FiguraContada::reiniciar(); }
};

TEST_F(PilaFigurasTest, EmpiezaVacia) {
  PilaFiguras pila;
  EXPECT_TRUE(colores(pila).empty());
  EXPECT_EQ(pila.getContador(), 0);
  EXPECT_EQ(pila.getElemento(-1), nullptr);
  EXPECT_EQ(pila.getElemento(10), nullptr);
}

TEST_F(PilaFigurasTest, SacaLaUltimaEnLlegar) {
  PilaFiguras pila;
  llenar(pila, {"A", "B", "C"});
  EXPECT_EQ(pila.getContador(), 3);
  const Figura fuera = pila.sacar();
  EXPECT_STREQ(fuera.getColor(), "C");
  EXPECT_STREQ(fuera.getForma(), "Contada");
  EXPECT_EQ(fuera.area(), 0);
  EXPECT_EQ(colores(pila), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(pila.getContador(), 2);
}

// The eleventh is refused and deleted; a POP then takes the tenth pushed.
TEST_F(PilaFigurasTest, LlenaRechazaLaUndecima) {
  PilaFiguras pila;
  llenar(pila, kDiez);
  llenar(pila, {"K"});
  EXPECT_EQ(colores(pila), kDiez);
  EXPECT_EQ(pila.getContador(), 10);
  EXPECT_EQ(FiguraContada::destruidas, 1);
  EXPECT_STREQ(pila.sacar().getColor(), "J");
  EXPECT_EQ(pila.getContador(), 9);
}

TEST_F(PilaFigurasTest, SacarDeLaVaciaDevuelveFiguraVacia) {
  PilaFiguras pila;
  for (int vez = 0; vez < 2; ++vez) {
    const Figura fuera = pila.sacar();
    EXPECT_STREQ(fuera.getForma(), "");
    EXPECT_STREQ(fuera.getColor(), "");
    EXPECT_EQ(pila.getContador(), 0);
  }
  llenar(pila, {"A"});
  EXPECT_EQ(colores(pila), (std::vector<std::string>{"A"}));
  EXPECT_EQ(pila.getContador(), 1);
}

// DELETE, then one PUSH and one POP: empty again.
TEST_F(PilaFigurasTest, BorrarPonerYSacar) {
  PilaFiguras pila;
  llenar(pila, {"A", "B", "C"});
  pila.borrar();
  EXPECT_TRUE(colores(pila).empty());
  EXPECT_EQ(pila.getContador(), 0);
  EXPECT_EQ(FiguraContada::destruidas, 3);
  llenar(pila, {"X"});
  EXPECT_EQ(colores(pila), (std::vector<std::string>{"X"}));
  EXPECT_STREQ(pila.sacar().getColor(), "X");
  EXPECT_TRUE(colores(pila).empty());
  EXPECT_EQ(pila.getContador(), 0);
}

TEST_F(PilaFigurasTest, NuloNoCuenta) {
  PilaFiguras pila;
  llenar(pila, {"A"});
  pila.insertar(nullptr);
  EXPECT_EQ(pila.getContador(), 1);
  llenar(pila, {"B"});
  EXPECT_EQ(colores(pila), (std::vector<std::string>{"A", "B"}));
}

TEST_F(PilaFigurasTest, CadaFiguraSeBorraUnaVez) {
  struct Paso {
    const char* nombre;
    void (*accion)(PilaFiguras&);
    int destruidasTras;
  };
  const Paso pasos[] = {
      {"diez dentro", [](PilaFiguras& p) { llenar(p, kDiez); }, 0},
      {"undecima", [](PilaFiguras& p) { llenar(p, {"K"}); }, 1},
      {"sacar", [](PilaFiguras& p) { p.sacar(); }, 2},
      {"otra dentro", [](PilaFiguras& p) { llenar(p, {"L"}); }, 2},
      {"borrar", [](PilaFiguras& p) { p.borrar(); }, 12},
      {"sacar vacia", [](PilaFiguras& p) { p.sacar(); }, 12},
      {"tres mas",
       [](PilaFiguras& p) {
         llenar(p, {"X", "Y", "Z"});
       },
       12},
  };
  {
    PilaFiguras pila;
    for (const Paso& paso : pasos) {
      paso.accion(pila);
      EXPECT_EQ(FiguraContada::destruidas, paso.destruidasTras) << paso.nombre;
    }
  }
  EXPECT_EQ(FiguraContada::creadas, 15);
  EXPECT_EQ(FiguraContada::destruidas, 15);
}

}  // namespace
