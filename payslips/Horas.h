#ifndef PAYSLIPS_HORAS_H_
#define PAYSLIPS_HORAS_H_

#include "Empleados.h"

// An hourly employee: 25 euros an hour up to 40 hours, and 1.1 times that
// for every hour above 40.
//
// The hours are fixed at construction; `salarioBase`, `extraHoras` and the
// salary start at 0 and are worked out again on every payslip.
class Horas : public Empleados {
 public:
  Horas(const char* nombre, const char* domicilio, const char* banco,
        float numeroHoras);

  void emitirNomina(consola::Sesion& sesion) override;

  // The pay rule. Above 40 hours (strictly): `extraHoras` = (hours - 40) x
  // 25 x 1.1, `salarioBase` = 1000 and the salary their sum. Otherwise
  // `salarioBase` = hours x 25, which is the salary, and `extraHoras` keeps
  // whatever it held.
  void calcularSalario();

  float getSalarioBase() const { return salarioBase; }
  float getExtraHoras() const { return extraHoras; }
  float getNumeroHoras() const { return numeroHoras; }

 private:
  // Pay for the hours up to 40, and for the hours above, in euros.
  float salarioBase;
  float extraHoras;
  // Hours worked in the month.
  float numeroHoras;
};

#endif  // PAYSLIPS_HORAS_H_
