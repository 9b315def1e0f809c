#ifndef PAYSLIPS_COMISION_H_
#define PAYSLIPS_COMISION_H_

#include "Empleados.h"

// Un empleado a comisión cobra como salario un porcentaje de las ventas del
// mes.
//
// Las ventas y el porcentaje se fijan al construirlo; el salario empieza en 0
// y se vuelve a calcular en cada nómina.
class Comision : public Empleados {
 public:
  Comision(const char* nombre, const char* domicilio, const char* banco,
           float totalVendido, float porcentajeComision);

  void emitirNomina(consola::Sesion& sesion) override;

  // Aplica la regla de pago: salario = porcentajeComision / 100 x
  // totalVendido.
  void calcularSalario();

  float getTotalVendido() const { return totalVendido; }
  float getPorcentajeComision() const { return porcentajeComision; }

 private:
  // Ventas del mes, en euros.
  float totalVendido;
  // La comisión en tanto por ciento: 50 quiere decir un 50 %.
  float porcentajeComision;
};

#endif  // PAYSLIPS_COMISION_H_
