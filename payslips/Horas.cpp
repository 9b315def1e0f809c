#include "Horas.h"

#include <iostream>

namespace {

constexpr double kUmbralHoras = 40;
constexpr double kEurosPorHora = 25;
constexpr double kFactorExtra = 1.1;
// La regla fija en 1000 euros el pago de las 40 primeras horas; no se
// calcula como 40 x 25.
constexpr float kSalarioBaseCompleto = 1000;

}  // namespace

Horas::Horas(const char* nombre, const char* domicilio, const char* banco,
             float numeroHoras)
    : Empleados(nombre, domicilio, banco, 0),
      salarioBase(0),
      extraHoras(0),
      numeroHoras(numeroHoras) {}

void Horas::calcularSalario() {
  const double horas = numeroHoras;
  if (horas > kUmbralHoras) {
    extraHoras = static_cast<float>((horas - kUmbralHoras) * kEurosPorHora *
                                    kFactorExtra);
    salarioBase = kSalarioBaseCompleto;
    setSalario(static_cast<float>(static_cast<double>(extraHoras) +
                                  kSalarioBaseCompleto));
  } else {
    salarioBase = static_cast<float>(horas * kEurosPorHora);
    setSalario(salarioBase);
  }
}

void Horas::emitirNomina(consola::Sesion& sesion) {
  const std::optional<float> porcentaje = empezarNomina(sesion, "Por horas");
  std::cout << "Numero de horas: " << numeroHoras << std::endl;
  calcularSalario();
  std::cout << "Salario base: " << salarioBase << " euros." << std::endl;
  if (numeroHoras > kUmbralHoras) {
    std::cout << "Extra por horas que exceden de 40: " << extraHoras
              << " euros." << std::endl;
  }
  terminarNomina(sesion, porcentaje);
}
