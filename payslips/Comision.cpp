#include "Comision.h"

#include <iostream>

Comision::Comision(const char* nombre, const char* domicilio, const char* banco,
                   float totalVendido, float porcentajeComision)
    : Empleados(nombre, domicilio, banco, 0),
      totalVendido(totalVendido),
      porcentajeComision(porcentajeComision) {}

void Comision::calcularSalario() {
  setSalario(static_cast<float>(static_cast<double>(porcentajeComision) / 100 *
                                static_cast<double>(totalVendido)));
}

void Comision::emitirNomina(consola::Sesion& sesion) {
  const std::optional<float> porcentaje = empezarNomina(sesion, "Por comision");
  std::cout << "Total vendido: " << totalVendido << std::endl;
  std::cout << "Porcentaje de comision: " << porcentajeComision << " %"
            << std::endl;
  calcularSalario();
  terminarNomina(sesion, porcentaje);
}
