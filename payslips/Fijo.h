#ifndef PAYSLIPS_FIJO_H_
#define PAYSLIPS_FIJO_H_

#include "Empleados.h"

// Un asalariado: el salario del mes es el que se da al construirlo, y la
// nómina lo deja como está.
class Fijo : public Empleados {
 public:
  Fijo(const char* nombre, const char* domicilio, const char* banco,
       float salario);

  void emitirNomina(consola::Sesion& sesion) override;
};

#endif  // PAYSLIPS_FIJO_H_
