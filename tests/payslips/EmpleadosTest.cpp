// Whole payslips through the common interface, with standard input and
// output redirected to strings.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "Comision.h"
#include "Comisionsalario.h"
#include "Fijo.h"
#include "Horas.h"

namespace {

// Runs payslips with `std::cin` reading a string and `std::cout` writing to
// one. Standard input is also taken off the terminal, so that the pause at
// the end of a payslip never waits for a key.
class Nomina : public ::testing::Test {
 protected:
  void SetUp() override {
    entradaOriginal_ = dup(STDIN_FILENO);
    const int nulo = open("/dev/null", O_RDONLY);
    ASSERT_GE(nulo, 0);
    dup2(nulo, STDIN_FILENO);
    close(nulo);
    cinOriginal_ = std::cin.rdbuf();
    coutOriginal_ = std::cout.rdbuf(salida_.rdbuf());
  }

  void TearDown() override {
    std::cin.rdbuf(cinOriginal_);
    std::cin.clear();
    std::cout.rdbuf(coutOriginal_);
    dup2(entradaOriginal_, STDIN_FILENO);
    close(entradaOriginal_);
  }

  // The output of one payslip of `empleado` answered by `respuestas`.
  std::string emitir(InterfazNomina& empleado, const std::string& respuestas) {
    std::istringstream entrada(respuestas);
    std::cin.rdbuf(entrada.rdbuf());
    std::cin.clear();
    salida_.str("");
    empleado.emitirNomina();
    std::cin.rdbuf(cinOriginal_);
    return salida_.str();
  }

 private:
  std::ostringstream salida_;
  std::streambuf* cinOriginal_ = nullptr;
  std::streambuf* coutOriginal_ = nullptr;
  int entradaOriginal_ = -1;
};

struct CasoNomina {
  const char* respuestas;
  // The lines from the type line to the last line before the pause.
  const char* bloque;
  float salario;
};

TEST_F(Nomina, CadaTipoConYSinBonificacion) {
  struct Caso {
    std::unique_ptr<Empleados> empleado;
    CasoNomina conBono;
    CasoNomina sinBono;
  };
  Caso casos[] = {
      {std::make_unique<Fijo>("Ramon Escalante", "Calle Alcala,12",
                              "Espiritu Santo", 1200),
       {"Enero 1 10\n",
        "Tipo de empleado: Asalariado\n"
        "Salario: 1200 euros.\n"
        "Bonificacion: 120\n"
        "Salario final: 1320\n",
        1200},
       {"Enero 2\n",
        "Tipo de empleado: Asalariado\n"
        "Salario: 1200 euros.\n",
        1200}},
      {std::make_unique<Horas>("Ana Lorca", "Calle Serrano,3", "BBVA", 50),
       {"Enero 1 12.5\n",
        "Tipo de empleado: Por horas\n"
        "Numero de horas: 50\n"
        "Salario base: 1000 euros.\n"
        "Extra por horas que exceden de 40: 275 euros.\n"
        "Salario: 1275 euros.\n"
        "Bonificacion: 159.375\n"
        "Salario final: 1434.38\n",
        1275},
       {"Enero 0\n",
        "Tipo de empleado: Por horas\n"
        "Numero de horas: 50\n"
        "Salario base: 1000 euros.\n"
        "Extra por horas que exceden de 40: 275 euros.\n"
        "Salario: 1275 euros.\n",
        1275}},
      {std::make_unique<Horas>("Ana Lorca", "Calle Serrano,3", "BBVA", 40),
       {"Enero 1 -5\n",
        "Tipo de empleado: Por horas\n"
        "Numero de horas: 40\n"
        "Salario base: 1000 euros.\n"
        "Salario: 1000 euros.\n"
        "Bonificacion: -50\n"
        "Salario final: 950\n",
        1000},
       {"Enero 7\n",
        "Tipo de empleado: Por horas\n"
        "Numero de horas: 40\n"
        "Salario base: 1000 euros.\n"
        "Salario: 1000 euros.\n",
        1000}},
      {std::make_unique<Comision>("Elena Quintanar", "Calle Princesa,58",
                                  "Bankia", 2000, 50),
       {"Enero 1 150\n",
        "Tipo de empleado: Por comision\n"
        "Total vendido: 2000\n"
        "Porcentaje de comision: 50 %\n"
        "Salario: 1000 euros.\n"
        "Bonificacion: 1500\n"
        "Salario final: 2500\n",
        1000},
       {"Enero 2\n",
        "Tipo de empleado: Por comision\n"
        "Total vendido: 2000\n"
        "Porcentaje de comision: 50 %\n"
        "Salario: 1000 euros.\n",
        1000}},
      {std::make_unique<Comisionsalario>("Raul Herrero", "Calle Estrecho,47",
                                         "ING", 200, 1000, 30),
       {"Enero 1 0\n",
        "Tipo de empleado: Por comision con salario base\n"
        "Salario base: 200\n"
        "Total vendido: 1000\n"
        "Porcentaje de comision: 30 %\n"
        "Salario: 500 euros.\n"
        "Bonificacion: 0\n"
        "Salario final: 500\n",
        500},
       {"Enero 2\n",
        "Tipo de empleado: Por comision con salario base\n"
        "Salario base: 200\n"
        "Total vendido: 1000\n"
        "Porcentaje de comision: 30 %\n"
        "Salario: 500 euros.\n",
        500}},
  };
  const std::string kPausa = "Presione una tecla para continuar . . . \n";
  for (Caso& caso : casos) {
    SCOPED_TRACE(caso.empleado->getNombre());
    // The bonus leaves no trace: the same figures before and after it.
    for (const CasoNomina* nomina :
         {&caso.conBono, &caso.sinBono, &caso.conBono}) {
      SCOPED_TRACE(nomina->respuestas);
      const std::string salida = emitir(*caso.empleado, nomina->respuestas);
      EXPECT_NE(salida.find(std::string("\n\n") + nomina->bloque + kPausa),
                std::string::npos)
          << salida;
      EXPECT_EQ(caso.empleado->getSalario(), nomina->salario);
    }
  }
}

// The heading line with the month of the payslip.
std::string lineaDelMes(const std::string& salida) {
  const std::string kInicio = "     NOMINA DEL MES DE ";
  const std::size_t inicio = salida.find(kInicio);
  if (inicio == std::string::npos) {
    return "";
  }
  return salida.substr(inicio, salida.find('\n', inicio) - inicio);
}

TEST_F(Nomina, ElMesGuardaHasta19Letras) {
  struct Caso {
    std::string respuestas;
    std::string mes;
  };
  const std::string kLargo = "Eneroooooooooooooooooooooooooooooooooooo";
  const Caso casos[] = {
      {"Enero 2\n", "Enero"},
      {"\n\n  Mayo\n2\n", "Mayo"},
      {"5 2\n", "5"},
      {kLargo.substr(0, 19) + " 2\n", kLargo.substr(0, 19)},
      {kLargo.substr(0, 20) + " 2\n", kLargo.substr(0, 19)},
      {kLargo + " 2\n", kLargo.substr(0, 19)},
      {"", ""},
  };
  Fijo empleado("Ramon Escalante", "Calle Alcala,12", "Espiritu Santo", 1200);
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.respuestas);
    const std::string salida = emitir(empleado, caso.respuestas);
    EXPECT_EQ(lineaDelMes(salida),
              "     NOMINA DEL MES DE " + caso.mes + "     ");
  }
}

TEST_F(Nomina, RespuestaQueNoEsNumeroSePideOtraVez) {
  struct Caso {
    const char* respuestas;
    const char* dialogo;
    bool conBono;
  };
  const Caso casos[] = {
      {"Enero si\n2\n",
       "Introduce el mes: Este mes hay bonificacion? (1-Si, 2-No)"
       "Dato no valido, introduce un numero: ",
       false},
      {"Enero 1 diez\n10\n",
       "Introduce el mes: Este mes hay bonificacion? (1-Si, 2-No)"
       "De cuanto es esta bonificacion? (Valor entre 0% y 100%)"
       "Dato no valido, introduce un numero: ",
       true},
      {"Enero", "Introduce el mes: Este mes hay bonificacion? (1-Si, 2-No)",
       false},
      {"Enero 1",
       "Introduce el mes: Este mes hay bonificacion? (1-Si, 2-No)"
       "De cuanto es esta bonificacion? (Valor entre 0% y 100%)",
       false},
  };
  Fijo empleado("Ramon Escalante", "Calle Alcala,12", "Espiritu Santo", 1200);
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.respuestas);
    const std::string salida = emitir(empleado, caso.respuestas);
    const std::size_t cabecera = salida.find("          VEDURIZ");
    ASSERT_NE(cabecera, std::string::npos);
    // Whatever clears the screen stands between the dialogue and the header.
    EXPECT_EQ(salida.compare(0, std::string(caso.dialogo).size(), caso.dialogo),
              0)
        << salida;
    EXPECT_EQ(salida.find("Bonificacion: 120\nSalario final: 1320\n") !=
                  std::string::npos,
              caso.conBono)
        << salida;
    EXPECT_EQ(empleado.getSalario(), 1200);
  }
}

}  // namespace
