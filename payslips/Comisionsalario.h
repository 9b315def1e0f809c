#ifndef PAYSLIPS_COMISIONSALARIO_H_
#define PAYSLIPS_COMISIONSALARIO_H_

#include "Empleados.h"

// An employee paid a fixed base salary plus a percentage of the month's
// sales. A type of its own, not a kind of Comision.
//
// Base, sales and percentage are fixed at construction; the salary starts
// at 0 and is worked out again on every payslip.
class Comisionsalario : public Empleados {
 public:
  Comisionsalario(const char* nombre, const char* domicilio, const char* banco,
                  float salarioBase, float totalVendido,
                  float porcentajeComision);

  void emitirNomina(consola::Sesion& sesion) override;

  // The pay rule: salary = porcentajeComision / 100 x totalVendido +
  // salarioBase.
  void calcularSalario();

  float getSalarioBase() const { return salarioBase; }
  float getTotalVendido() const { return totalVendido; }
  float getPorcentajeComision() const { return porcentajeComision; }

 private:
  // The fixed part of the salary, in euros.
  float salarioBase;
  // Sales of the month, in euros.
  float totalVendido;
  // The commission in percent: 30 means 30 %.
  float porcentajeComision;
};

#endif  // PAYSLIPS_COMISIONSALARIO_H_
