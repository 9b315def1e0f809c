#ifndef PAYSLIPS_COMISIONSALARIO_H_
#define PAYSLIPS_COMISIONSALARIO_H_

#include "Empleados.h"

// Un empleado que cobra un salario base fijo más un porcentaje de las ventas
// del mes. Es una clase aparte: no deriva de Comision.
//
// La base, las ventas y el porcentaje se fijan al construirlo; el salario
// empieza en 0 y se vuelve a calcular en cada nómina.
class Comisionsalario : public Empleados {
 public:
  Comisionsalario(const char* nombre, const char* domicilio, const char* banco,
                  float salarioBase, float totalVendido,
                  float porcentajeComision);

  void emitirNomina(consola::Sesion& sesion) override;

  // Aplica la regla de pago: salario = porcentajeComision / 100 x
  // totalVendido + salarioBase.
  void calcularSalario();

  float getSalarioBase() const { return salarioBase; }
  float getTotalVendido() const { return totalVendido; }
  float getPorcentajeComision() const { return porcentajeComision; }

 private:
  // La parte fija del salario, en euros.
  float salarioBase;
  // Ventas del mes, en euros.
  float totalVendido;
  // La comisión en tanto por ciento: 30 quiere decir un 30 %.
  float porcentajeComision;
};

#endif  // PAYSLIPS_COMISIONSALARIO_H_
