// payslips: las nóminas del mes de los cuatro empleados de la empresa, una
// tras otra, cada una con su mes y una bonificación si se quiere.

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
  // Los cuatro empleados de la empresa, en el orden de sus nóminas.
  const std::unique_ptr<InterfazNomina> empleados[kNumeroEmpleados] = {
      std::make_unique<Fijo>("Ramon Escalante", "Calle Alcala,12",
                             "Espiritu Santo", 1200),
      std::make_unique<Horas>("Ana Lorca", "Calle Serrano,3", "BBVA", 50),
      std::make_unique<Comision>("Elena Quintanar", "Calle Princesa,58",
                                 "Bankia", 2000, 50),
      std::make_unique<Comisionsalario>("Raul Herrero", "Calle Estrecho,47",
                                        "ING", 200, 1000, 30),
  };
  // El fin de la entrada no corta las nóminas: un mes leído entonces queda
  // vacío y no hay bonificación. Solo un error de la consola las corta antes,
  // con un FinAnticipado, y la sesión termina con la salida y el estado que
  // tocan.
  try {
    // Cada nómina acaba con la pantalla borrada; el salto de línea deja
    // vacía la primera línea de la pantalla nueva.
    for (const auto& empleado : empleados) {
      empleado->emitirNomina(sesion);
      std::cout << std::endl;
    }
    sesion.pausar();
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
