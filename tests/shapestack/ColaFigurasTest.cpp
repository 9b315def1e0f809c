#include "ColaFiguras.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FiguraContada.h"

namespace {

void llenar(ColaFiguras& cola, const std::vector<std::string>& nombres) {
  for (const std::string& nombre : nombres) {
    cola.insertar(FiguraContada::nueva(nombre));
  }
}

const std::vector<std::string> kDiez = {"A", "B", "C", "D", "E",
                                        "F", "G", "H", "I", "J"};

class ColaFigurasTest : public ::testing::Test {
 protected:
  void SetUp() override { FiguraContada::reiniciar(); }
};

TEST_F(ColaFigurasTest, EmpiezaVacia) {
  ColaFiguras cola;
  EXPECT_TRUE(colores(cola).empty());
  EXPECT_EQ(cola.getElemento(-1), nullptr);
  EXPECT_EQ(cola.getElemento(10), nullptr);
}

TEST_F(ColaFigurasTest, SacaEnOrdenDeLlegada) {
  ColaFiguras cola;
  llenar(cola, {"A", "B", "C"});
  const Figura fuera = cola.sacar();
  EXPECT_STREQ(fuera.getColor(), "A");
  EXPECT_STREQ(fuera.getForma(), "Contada");
  EXPECT_EQ(fuera.area(), 0);  // a plain Figura
  EXPECT_EQ(colores(cola), (std::vector<std::string>{"B", "C"}));
  EXPECT_STREQ(cola.sacar().getColor(), "B");
  EXPECT_STREQ(cola.sacar().getColor(), "C");
  EXPECT_TRUE(colores(cola).empty());
}

TEST_F(ColaFigurasTest, LlenaRechazaLaUndecimaYLaBorra) {
  ColaFiguras cola;
  llenar(cola, kDiez);
  cola.insertar(FiguraContada::nueva("K"));
  EXPECT_EQ(colores(cola), kDiez);
  EXPECT_EQ(FiguraContada::destruidas, 1);
}

TEST_F(ColaFigurasTest, SacarDeLaLlenaDejaHuecoAlFinal) {
  ColaFiguras cola;
  llenar(cola, kDiez);
  cola.sacar();
  EXPECT_EQ(colores(cola), (std::vector<std::string>{"B", "C", "D", "E", "F",
                                                     "G", "H", "I", "J"}));
  cola.insertar(FiguraContada::nueva("K"));
  EXPECT_EQ(colores(cola), (std::vector<std::string>{"B", "C", "D", "E", "F",
                                                     "G", "H", "I", "J", "K"}));
}

TEST_F(ColaFigurasTest, SacarDeLaVaciaDevuelveFiguraVacia) {
  ColaFiguras cola;
  for (int vez = 0; vez < 2; ++vez) {
    const Figura fuera = cola.sacar();
    EXPECT_STREQ(fuera.getForma(), "");
    EXPECT_STREQ(fuera.getColor(), "");
    EXPECT_TRUE(colores(cola).empty());
  }
  llenar(cola, {"A"});
  EXPECT_EQ(colores(cola), (std::vector<std::string>{"A"}));
}

TEST_F(ColaFigurasTest, BorrarVaciaTodoYVuelveAServir) {
  ColaFiguras cola;
  llenar(cola, kDiez);
  cola.borrar();
  EXPECT_TRUE(colores(cola).empty());
  EXPECT_EQ(FiguraContada::destruidas, 10);
  llenar(cola, {"X"});
  EXPECT_EQ(colores(cola), (std::vector<std::string>{"X"}));
}

TEST_F(ColaFigurasTest, NuloNoOcupaHueco) {
  ColaFiguras cola;
  llenar(cola, {"A"});
  cola.insertar(nullptr);
  llenar(cola, {"B"});
  EXPECT_EQ(colores(cola), (std::vector<std::string>{"A", "B"}));
}

// Each shape is deleted exactly once, at the moment it leaves or with the
// queue, however it leaves.
TEST_F(ColaFigurasTest, CadaFiguraSeBorraUnaVez) {
  struct Paso {
    const char* nombre;
    void (*accion)(ColaFiguras&);
    int destruidasTras;
  };
  const Paso pasos[] = {
      {"diez dentro", [](ColaFiguras& c) { llenar(c, kDiez); }, 0},
      {"undecima", [](ColaFiguras& c) { llenar(c, {"K"}); }, 1},
      {"sacar", [](ColaFiguras& c) { c.sacar(); }, 2},
      {"sacar otra", [](ColaFiguras& c) { c.sacar(); }, 3},
      {"borrar", [](ColaFiguras& c) { c.borrar(); }, 11},
      {"sacar vacia", [](ColaFiguras& c) { c.sacar(); }, 11},
      {"tres mas",
       [](ColaFiguras& c) {
         llenar(c, {"X", "Y", "Z"});
       },
       11},
  };
  {
    ColaFiguras cola;
    for (const Paso& paso : pasos) {
      paso.accion(cola);
      EXPECT_EQ(FiguraContada::destruidas, paso.destruidasTras) << paso.nombre;
    }
  }
  EXPECT_EQ(FiguraContada::creadas, 14);
  EXPECT_EQ(FiguraContada::destruidas, 14);
}

}  // namespace
