#include "Fijo.h"

Fijo::Fijo(const char* nombre, const char* domicilio, const char* banco,
           float salario)
    : Empleados(nombre, domicilio, banco, salario) {}

void Fijo::emitirNomina() {
  const std::optional<float> porcentaje = empezarNomina("Asalariado");
  terminarNomina(porcentaje);
}
