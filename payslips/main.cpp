// payslips: the month's payslips of the company's four employees, one after
// the other, each asking its month and an optional bonus.

#include <iostream>
#include <memory>

#include "Comision.h"
#include "Comisionsalario.h"
#include "Fijo.h"
#include "Horas.h"
#include "InterfazNomina.h"
#include "consola/Sesion.h"

namespace {

constexpr int kNumeroEmpleados = 4;

}  // namespace

int main() {
  consola::Sesion sesion("payslips");
  const std::unique_ptr<InterfazNomina> empleados[kNumeroEmpleados] = {
      std::make_unique<Fijo>("Ramon Escalante", "Calle Alcala,12",
                             "Espiritu Santo", 1200),
      std::make_unique<Horas>("Ana Lorca", "Calle Serrano,3", "BBVA", 50),
      std::make_unique<Comision>("Elena Quintanar", "Calle Princesa,58",
                                 "Bankia", 2000, 50),
      std::make_unique<Comisionsalario>("Raul Herrero", "Calle Estrecho,47",
                                        "ING", 200, 1000, 30),
  };
  // The end of input never ends the run early: a month read there is empty
  // and no bonus is asked, so only an error of the console stops it.
  try {
    // Each payslip ends on a cleared screen; the line end leaves its first
    // line empty.
    for (const auto& empleado : empleados) {
      empleado->emitirNomina(sesion);
      std::cout << std::endl;
    }
    sesion.pausar();
  } catch (const consola::ErrorDeConsola& error) {
    return sesion.terminarConError(error);
  }
  return sesion.terminar();
}
