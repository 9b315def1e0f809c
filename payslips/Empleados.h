#ifndef PAYSLIPS_EMPLEADOS_H_
#define PAYSLIPS_EMPLEADOS_H_

#include <optional>

#include "InterfazNomina.h"

// The data every employee has, and the steps every payslip shares; each pay
// type adds its own fields and its own payslip.
//
// The three texts are copied at construction into fixed arrays, cut to fit
// (29, 49 and 14 characters) whatever their length. `salario` is the monthly
// salary before any bonus: fixed at construction for a salaried employee,
// worked out on every payslip for the other types. A bonus is worked out
// from it and shown, but never stored.
//
// Pay arithmetic: every step runs in double precision and is rounded to
// float wherever a value is stored or shown.
class Empleados : public InterfazNomina {
 public:
  static constexpr int kTamanioNombre = 30;
  static constexpr int kTamanioDomicilio = 50;
  static constexpr int kTamanioBanco = 15;
  // The month of a payslip keeps at most 19 characters.
  static constexpr int kTamanioMes = 20;

  // A null text counts as an empty one.
  Empleados(const char* nombre, const char* domicilio, const char* banco,
            float salario);

  float getSalario() const { return salario; }
  const char* getNombre() const { return nombre; }
  const char* getDomicilio() const { return domicilio; }
  const char* getBanco() const { return banco; }

  // The bonus of `porcentaje` percent on `salario`: porcentaje / 100 x
  // salario. Any percentage goes, negative or above 100.
  float bonificacion(float porcentaje) const;

  // `salario` plus a bonus worked out by bonificacion().
  float salarioFinal(float bonificacion) const;

 protected:
  void setSalario(float nuevo) { salario = nuevo; }

  // The opening of a payslip: asks the month and whether there is a bonus
  // (and then its percentage), clears the screen and writes the header up to
  // the line "Tipo de empleado: " `tipo`. Returns the percentage when a bonus
  // was chosen. End of input gives an empty month and no bonus.
  std::optional<float> empezarNomina(consola::Sesion& sesion,
                                     const char* tipo) const;

  // The close of a payslip, after the type's own lines and its salary rule:
  // the "Salario: " line, the two bonus lines when `porcentaje` holds one,
  // then the pause and a clear screen.
  void terminarNomina(consola::Sesion& sesion,
                      std::optional<float> porcentaje) const;

 private:
  float salario;
  char nombre[kTamanioNombre];
  char domicilio[kTamanioDomicilio];
  char banco[kTamanioBanco];
};

#endif  // PAYSLIPS_EMPLEADOS_H_
