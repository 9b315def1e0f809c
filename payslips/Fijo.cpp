#include "Fijo.h"

Fijo::Fijo(const char* nombre, const char* domicilio, const char* banco,
           float salario)
    : Empleados(nombre, domicilio, banco, salario) {}

void Fijo::emitirNomina(consola::Sesion& sesion) {
  const std::optional<float> porcentaje = empezarNomina(sesion, "Asalariado");
  terminarNomina(sesion, porcentaje);
}
