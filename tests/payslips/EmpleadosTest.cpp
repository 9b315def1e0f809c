// Nóminas completas a través de la interfaz común, cada una en su propia
// sesión de consola sobre ficheros: la bonificación no debe dejar rastro en
// el empleado, así que una nómina posterior muestra las mismas cifras.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "Comision.h"
#include "Comisionsalario.h"
#include "DescriptorEnFichero.h"
#include "Fijo.h"
#include "Horas.h"
#include "consola/Sesion.h"

namespace {

// La salida de una nómina de `empleado` contestada con `respuestas`.
std::string emitir(InterfazNomina& empleado, const std::string& respuestas) {
  std::fflush(stdout);  // las líneas del ejecutor de pruebas, antes del cambio
  DescriptorEnFichero entrada(STDIN_FILENO, respuestas);
  DescriptorEnFichero salida(STDOUT_FILENO, "");
  {
    consola::Sesion sesion("payslips");
    empleado.emitirNomina(sesion);
    EXPECT_EQ(sesion.terminar(), 0);
  }
  return salida.contenido();
}

bool contiene(const std::string& texto, const std::string& parte) {
  return texto.find(parte) != std::string::npos;
}

struct Caso {
  std::unique_ptr<Empleados> empleado;
  float porcentaje;
  // La línea del salario y luego las dos de la bonificación, tal como las
  // muestra la nómina.
  std::string salario;
  std::string bonificacion;
};

TEST(Nomina, LaBonificacionNoDejaRastro) {
  Caso casos[] = {
      {std::make_unique<Fijo>("Ramon Escalante", "Calle Alcala,12",
                              "Espiritu Santo", 1200),
       10, "Salario: 1200 euros.\n",
       "Bonificacion: 120\nSalario final: 1320\n"},
      {std::make_unique<Horas>("Ana Lorca", "Calle Serrano,3", "BBVA", 50),
       12.5f, "Salario: 1275 euros.\n",
       "Bonificacion: 159.375\nSalario final: 1434.38\n"},
      {std::make_unique<Comision>("Elena Quintanar", "Calle Princesa,58",
                                  "Bankia", 2000, 50),
       150, "Salario: 1000 euros.\n",
       "Bonificacion: 1500\nSalario final: 2500\n"},
      {std::make_unique<Comisionsalario>("Raul Herrero", "Calle Estrecho,47",
                                         "ING", 200, 1000, 30),
       -5, "Salario: 500 euros.\n", "Bonificacion: -25\nSalario final: 475\n"},
  };
  const std::string kPausa = "Presione una tecla para continuar . . . \n";
  for (Caso& caso : casos) {
    SCOPED_TRACE(caso.empleado->getNombre());
    const std::string conBono = "Enero 1 " + std::to_string(caso.porcentaje);
    const std::string primera = emitir(*caso.empleado, conBono);
    EXPECT_TRUE(contiene(primera, caso.salario + caso.bonificacion + kPausa))
        << primera;
    const float salario = caso.empleado->getSalario();

    const std::string segunda = emitir(*caso.empleado, "Febrero 2");
    EXPECT_TRUE(contiene(segunda, caso.salario + kPausa)) << segunda;
    EXPECT_FALSE(contiene(segunda, "Bonificacion")) << segunda;
    EXPECT_EQ(caso.empleado->getSalario(), salario);

    const std::string tercera = emitir(*caso.empleado, conBono);
    EXPECT_EQ(tercera, primera);
    EXPECT_EQ(caso.empleado->getSalario(), salario);
  }
}

TEST(Nomina, HorasRecalculaLoMismoEnCadaNomina) {
  Horas empleado("Ana Lorca", "Calle Serrano,3", "BBVA", 41);
  for (const char* respuestas : {"Enero 1 10", "Febrero 2", "Marzo 1 -5"}) {
    SCOPED_TRACE(respuestas);
    emitir(empleado, respuestas);
    EXPECT_EQ(empleado.getSalarioBase(), 1000);
    EXPECT_EQ(empleado.getExtraHoras(), 27.5f);
    EXPECT_EQ(empleado.getSalario(), 1027.5f);
  }
}

}  // namespace
