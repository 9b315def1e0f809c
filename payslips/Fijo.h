#ifndef PAYSLIPS_FIJO_H_
#define PAYSLIPS_FIJO_H_

#include "Empleados.h"

// Un asalariado cobra cada mes el salario que se le da al construirlo; la
// nómina no lo cambia.
class Fijo : public Empleados {
 public:
  Fijo(const char* nombre, const char* domicilio, const char* banco,
       float salario);

  void emitirNomina(consola::Sesion& sesion) override;
};

#endif  // PAYSLIPS_FIJO_H_
