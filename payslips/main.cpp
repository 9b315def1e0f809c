// payslips: las nóminas del mes de los cuatro empleados de la empresa, una
// tras otra, cada una con su mes y una bonificación si se quiere.
//
// Es intencionado: los textos que escribe el programa, también los nombres y
// las direcciones de los empleados, van sin tildes, sin eñes y sin los
// signos de apertura ¿ y ¡ ("Ramon Escalante", "Calle Alcala,12"). Son los
// textos fijos de su diálogo, y las pruebas comparan la salida del programa
// con ellos byte a byte.

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

// Emite las nóminas de los cuatro empleados de la empresa, una tras otra, y
// acaba con una pausa. El fin de la entrada no interrumpe las nóminas: un mes
// leído entonces queda vacío y no hay bonificación.
void dialogo(consola::Sesion& sesion) {
  // Los cuatro empleados, en el orden de sus nóminas.
  const std::unique_ptr<InterfazNomina> empleados[kNumeroEmpleados] = {
      std::make_unique<Fijo>("Ramon Escalante", "Calle Alcala,12",
                             "Espiritu Santo", 1200),
      std::make_unique<Horas>("Ana Lorca", "Calle Serrano,3", "BBVA", 50),
      std::make_unique<Comision>("Elena Quintanar", "Calle Princesa,58",
                                 "Bankia", 2000, 50),
      std::make_unique<Comisionsalario>("Raul Herrero", "Calle Estrecho,47",
                                        "ING", 200, 1000, 30),
  };
  // Cada nómina acaba con la pantalla borrada; el salto de línea deja vacía
  // la primera línea de la pantalla nueva.
  for (const auto& empleado : empleados) {
    empleado->emitirNomina(sesion);
    std::cout << std::endl;
  }
  sesion.pausar();
}

}  // namespace

// La sesión, el diálogo y un único punto de salida. El diálogo acaba tras la
// última nómina o se interrumpe con una excepción FinAnticipado (aquí solo
// puede ser un fallo de la consola); en los dos casos, `sesion.terminar()`
// escribe lo que quede pendiente y devuelve el código de salida que
// corresponde.
int main() {
  consola::Sesion sesion("payslips");
  try {
    dialogo(sesion);
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
