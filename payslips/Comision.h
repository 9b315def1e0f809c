#ifndef PAYSLIPS_COMISION_H_
#define PAYSLIPS_COMISION_H_

#include "Empleados.h"

// A commission employee: the salary is a percentage of the month's sales.
//
// Sales and percentage are fixed at construction; the salary starts at 0
// and is worked out again on every payslip.
class Comision : public Empleados {
 public:
  Comision(const char* nombre, const char* domicilio, const char* banco,
           float totalVendido, float porcentajeComision);

  void emitirNomina(consola::Sesion& sesion) override;

  // The pay rule: salary = porcentajeComision / 100 x totalVendido.
  void calcularSalario();

  float getTotalVendido() const { return totalVendido; }
  float getPorcentajeComision() const { return porcentajeComision; }

 private:
  // Sales of the month, in euros.
  float totalVendido;
  // The commission in percent: 50 means 50 %.
  float porcentajeComision;
};

#endif  // PAYSLIPS_COMISION_H_
