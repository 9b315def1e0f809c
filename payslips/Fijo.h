#ifndef PAYSLIPS_FIJO_H_
#define PAYSLIPS_FIJO_H_

#include "Empleados.h"

// A salaried employee: the monthly salary is the one given at construction,
// and a payslip leaves it as it is.
class Fijo : public Empleados {
 public:
  Fijo(const char* nombre, const char* domicilio, const char* banco,
       float salario);

  void emitirNomina(consola::Sesion& sesion) override;
};

#endif  // PAYSLIPS_FIJO_H_
