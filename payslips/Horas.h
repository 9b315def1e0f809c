#ifndef PAYSLIPS_HORAS_H_
#define PAYSLIPS_HORAS_H_

#include "Empleados.h"

// Un empleado por horas cobra 25 euros la hora hasta 40 horas, y un 10 % más
// (25 x 1.1) por cada hora que pase de 40.
//
// Las horas se fijan al construirlo; `salarioBase`, `extraHoras` y el
// salario empiezan en 0 y se vuelven a calcular en cada nómina.
class Horas : public Empleados {
 public:
  Horas(const char* nombre, const char* domicilio, const char* banco,
        float numeroHoras);

  void emitirNomina(consola::Sesion& sesion) override;

  // Aplica la regla de pago. Con más de 40 horas (estrictamente):
  // `extraHoras` = (horas - 40) x 25 x 1.1, `salarioBase` = 1000 y el
  // salario es su suma. Si no, `salarioBase` = horas x 25, que es el salario,
  // y `extraHoras` no se toca: como las horas no cambian después de
  // construir el empleado, sigue valiendo 0.
  void calcularSalario();

  float getSalarioBase() const { return salarioBase; }
  float getExtraHoras() const { return extraHoras; }
  float getNumeroHoras() const { return numeroHoras; }

 private:
  // Pago por las horas hasta 40 y por las que pasan de 40, en euros.
  float salarioBase;
  float extraHoras;
  // Horas trabajadas en el mes.
  float numeroHoras;
};

#endif  // PAYSLIPS_HORAS_H_
