#include "Comisionsalario.h"

#include <iostream>

Comisionsalario::Comisionsalario(const char* nombre, const char* domicilio,
                                 const char* banco, float salarioBase,
                                 float totalVendido, float porcentajeComision)
    : Empleados(nombre, domicilio, banco, 0),
      salarioBase(salarioBase),
      totalVendido(totalVendido),
      porcentajeComision(porcentajeComision) {}

void Comisionsalario::calcularSalario() {
  setSalario(static_cast<float>(static_cast<double>(porcentajeComision) / 100 *
                                    static_cast<double>(totalVendido) +
                                static_cast<double>(salarioBase)));
}

void Comisionsalario::emitirNomina(consola::Sesion& sesion) {
  const std::optional<float> porcentaje =
      empezarNomina(sesion, "Por comision con salario base");
  std::cout << "Salario base: " << salarioBase << std::endl;
  std::cout << "Total vendido: " << totalVendido << std::endl;
  std::cout << "Porcentaje de comision: " << porcentajeComision << " %"
            << std::endl;
  calcularSalario();
  terminarNomina(sesion, porcentaje);
}
