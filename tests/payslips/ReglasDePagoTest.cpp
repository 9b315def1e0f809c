// Las reglas de pago y los datos de los empleados, sin la consola.

#include <gtest/gtest.h>

#include <string>

#include "Comision.h"
#include "Comisionsalario.h"
#include "Fijo.h"
#include "Horas.h"

namespace {

struct CasoHoras {
  float numeroHoras;
  float salarioBase;
  float extraHoras;
  float salario;
};

// 40 horas no son horas extra; el pago extra conserva el 0 con el que se
// construyó. Con 41.3 horas el producto cae casi a medio camino entre dos
// float: solo los pasos en double, con el double más cercano a 1.1, dan el
// menor.
const CasoHoras kCasosHoras[] = {
    {50, 1000, 275, 1275},
    {40, 1000, 0, 1000},
    {39, 975, 0, 975},
    {41, 1000, 27.5f, 1027.5f},
    {40.5f, 1000, 13.75f, 1013.75f},
    {0, 0, 0, 0},
    {-2, -50, 0, -50},
    {41.3f, 1000, 35.7499771f, 1035.75f},
};

TEST(Horas, ReglaDePago) {
  for (const CasoHoras& caso : kCasosHoras) {
    SCOPED_TRACE(caso.numeroHoras);
    Horas empleado("Ana Lorca", "Calle Serrano,3", "BBVA", caso.numeroHoras);
    EXPECT_EQ(empleado.getSalario(), 0);
    empleado.calcularSalario();
    EXPECT_EQ(empleado.getSalarioBase(), caso.salarioBase);
    EXPECT_EQ(empleado.getExtraHoras(), caso.extraHoras);
    EXPECT_EQ(empleado.getSalario(), caso.salario);
    EXPECT_EQ(empleado.getNumeroHoras(), caso.numeroHoras);
  }
}

TEST(Horas, RepetirLaReglaDaLoMismo) {
  Horas empleado("Ana Lorca", "Calle Serrano,3", "BBVA", 41);
  empleado.calcularSalario();
  empleado.calcularSalario();
  EXPECT_EQ(empleado.getSalarioBase(), 1000);
  EXPECT_EQ(empleado.getExtraHoras(), 27.5f);
  EXPECT_EQ(empleado.getSalario(), 1027.5f);
}

struct CasoComision {
  float salarioBase;  // 0 para una Comision sin más
  float totalVendido;
  float porcentajeComision;
  float salario;
};

// El 1 % de 107 calculado con aritmética float no da el float más cercano a
// 1.07.
const CasoComision kCasosComision[] = {
    {0, 2000, 50, 1000}, {0, 1000, 30, 300},   {0, 107, 1, 1.07f},
    {0, 2000, 0, 0},     {0, 2000, -10, -200},
};

TEST(Comision, ReglaDePago) {
  for (const CasoComision& caso : kCasosComision) {
    SCOPED_TRACE(caso.porcentajeComision);
    Comision empleado("Elena Quintanar", "Calle Princesa,58", "Bankia",
                      caso.totalVendido, caso.porcentajeComision);
    EXPECT_EQ(empleado.getSalario(), 0);
    empleado.calcularSalario();
    EXPECT_EQ(empleado.getSalario(), caso.salario);
    EXPECT_EQ(empleado.getTotalVendido(), caso.totalVendido);
    EXPECT_EQ(empleado.getPorcentajeComision(), caso.porcentajeComision);
  }
}

const CasoComision kCasosComisionsalario[] = {
    {200, 1000, 30, 500},
    {0, 2000, 50, 1000},
    {1000, 0, 50, 1000},
    {100, 107, 1, 101.07f},
};

TEST(Comisionsalario, ReglaDePago) {
  for (const CasoComision& caso : kCasosComisionsalario) {
    SCOPED_TRACE(caso.salarioBase);
    Comisionsalario empleado("Raul Herrero", "Calle Estrecho,47", "ING",
                             caso.salarioBase, caso.totalVendido,
                             caso.porcentajeComision);
    EXPECT_EQ(empleado.getSalario(), 0);
    empleado.calcularSalario();
    EXPECT_EQ(empleado.getSalario(), caso.salario);
    EXPECT_EQ(empleado.getSalarioBase(), caso.salarioBase);
    EXPECT_EQ(empleado.getTotalVendido(), caso.totalVendido);
    EXPECT_EQ(empleado.getPorcentajeComision(), caso.porcentajeComision);
  }
}

struct CasoBonificacion {
  float salario;
  float porcentaje;
  float bonificacion;
  float salarioFinal;
};

// El 3 % de 1001 calculado con aritmética float no da el float más cercano a
// 30.03.
const CasoBonificacion kCasosBonificacion[] = {
    {1200, 10, 120, 1320},
    {1000, 0, 0, 1000},
    {1000, 150, 1500, 2500},
    {1000, -5, -50, 950},
    {1275, 12.5f, 159.375f, 1434.375f},
    {1001, 3, 30.03f, 1031.03f},
};

TEST(Empleados, Bonificacion) {
  for (const CasoBonificacion& caso : kCasosBonificacion) {
    SCOPED_TRACE(caso.porcentaje);
    const Fijo empleado("Ramon Escalante", "Calle Alcala,12", "Espiritu Santo",
                        caso.salario);
    const float bono = empleado.bonificacion(caso.porcentaje);
    EXPECT_EQ(bono, caso.bonificacion);
    EXPECT_EQ(empleado.salarioFinal(bono), caso.salarioFinal);
    EXPECT_EQ(empleado.getSalario(), caso.salario);
  }
}

TEST(Empleados, BonificacionSobreElSalarioCalculado) {
  Horas empleado("Ana Lorca", "Calle Serrano,3", "BBVA", 50);
  empleado.calcularSalario();
  const float bono = empleado.bonificacion(12.5f);
  EXPECT_EQ(bono, 159.375f);
  EXPECT_EQ(empleado.salarioFinal(bono), 1434.375f);
  EXPECT_EQ(empleado.getSalario(), 1275);
}

struct CasoTextos {
  std::string nombre;
  std::string domicilio;
  std::string banco;
  std::string nombreGuardado;
  std::string domicilioGuardado;
  std::string bancoGuardado;
};

const std::string kLetras(60, 'x');

// Del nombre, el domicilio y el banco se guardan como mucho 29, 49 y 14
// caracteres.
const CasoTextos kCasosTextos[] = {
    {"Ramon Escalante", "Calle Alcala,12", "Espiritu Santo", "Ramon Escalante",
     "Calle Alcala,12", "Espiritu Santo"},
    {"", "", "", "", "", ""},
    {kLetras.substr(0, 29), kLetras.substr(0, 49), kLetras.substr(0, 14),
     kLetras.substr(0, 29), kLetras.substr(0, 49), kLetras.substr(0, 14)},
    {kLetras.substr(0, 30), kLetras.substr(0, 50), kLetras.substr(0, 15),
     kLetras.substr(0, 29), kLetras.substr(0, 49), kLetras.substr(0, 14)},
    {kLetras, kLetras, kLetras, kLetras.substr(0, 29), kLetras.substr(0, 49),
     kLetras.substr(0, 14)},
};

TEST(Empleados, TextosCortadosALaMedida) {
  for (const CasoTextos& caso : kCasosTextos) {
    SCOPED_TRACE(caso.nombre);
    const Fijo empleado(caso.nombre.c_str(), caso.domicilio.c_str(),
                        caso.banco.c_str(), 1200);
    EXPECT_EQ(empleado.getNombre(), caso.nombreGuardado);
    EXPECT_EQ(empleado.getDomicilio(), caso.domicilioGuardado);
    EXPECT_EQ(empleado.getBanco(), caso.bancoGuardado);
    EXPECT_EQ(empleado.getSalario(), 1200);
  }
}

TEST(Empleados, TextoNuloQuedaVacio) {
  const Comision empleado(nullptr, nullptr, nullptr, 2000, 50);
  EXPECT_STREQ(empleado.getNombre(), "");
  EXPECT_STREQ(empleado.getDomicilio(), "");
  EXPECT_STREQ(empleado.getBanco(), "");
}

}  // namespace
