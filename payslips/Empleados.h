#ifndef PAYSLIPS_EMPLEADOS_H_
#define PAYSLIPS_EMPLEADOS_H_

#include <optional>

#include "InterfazNomina.h"

// Guarda los datos que tiene todo empleado y hace los pasos que comparten
// todas las nóminas; cada tipo de pago añade sus propios campos y su propia
// nómina.
//
// Es intencionado: la clase se llama Empleados, en plural, aunque cada objeto
// es un solo empleado; con ese nombre la usan las cuatro clases derivadas y
// las pruebas.
//
// Al construir, los tres textos se copian en arrays de tamaño fijo y se
// cortan si no caben (29, 49 y 14 bytes como máximo). `salario` es el
// salario del mes antes de cualquier bonificación: se fija al construir un
// asalariado y se calcula en cada nómina de los demás tipos. La bonificación
// se calcula a partir de él y se muestra, pero nunca se guarda.
//
// Es intencionado: en las cuentas del pago cada paso se hace en doble
// precisión y se redondea a float allí donde un valor se guarda o se
// muestra; de ahí las conversiones entre float y double. Así las nóminas
// imprimen exactamente las cifras que comparan las pruebas: con las cuentas
// hechas solo en float, algunas cifras saldrían distintas en la última
// posición.
//
// Es intencionado: el programa no usa los métodos get de esta clase ni los
// de sus derivadas; son parte de la interfaz de las clases y las pruebas los
// usan para comprobar los datos y las cuentas.
class Empleados : public InterfazNomina {
 public:
  static constexpr int kTamanioNombre = 30;
  static constexpr int kTamanioDomicilio = 50;
  static constexpr int kTamanioBanco = 15;
  // Del mes de una nómina se guardan como mucho 19 bytes.
  static constexpr int kTamanioMes = 20;

  // Crea el empleado con sus tres textos y su salario; un puntero nulo en
  // lugar de un texto cuenta como texto vacío.
  Empleados(const char* nombre, const char* domicilio, const char* banco,
            float salario);

  float getSalario() const { return salario; }
  const char* getNombre() const { return nombre; }
  const char* getDomicilio() const { return domicilio; }
  const char* getBanco() const { return banco; }

  // Devuelve la bonificación del `porcentaje` por ciento sobre `salario`:
  // porcentaje / 100 x salario. Admite cualquier porcentaje, también uno
  // negativo o mayor que 100.
  float bonificacion(float porcentaje) const;

  // Devuelve `salario` más `bonificacion`, calculada antes con
  // bonificacion().
  float salarioFinal(float bonificacion) const;

 protected:
  void setSalario(float nuevo) { salario = nuevo; }

  // Empieza una nómina: pregunta el mes y si hay bonificación (y entonces su
  // porcentaje), borra la pantalla y escribe la cabecera hasta la línea
  // "Tipo de empleado: " `tipo`. Devuelve el porcentaje si se eligió
  // bonificación. Si se acaba la entrada, el mes queda vacío y no hay
  // bonificación.
  std::optional<float> empezarNomina(consola::Sesion& sesion,
                                     const char* tipo) const;

  // Termina una nómina, después de las líneas propias del tipo y de su regla
  // de salario: escribe la línea "Salario: " y, si `porcentaje` trae una
  // bonificación, sus dos líneas; luego hace la pausa y borra la pantalla.
  void terminarNomina(consola::Sesion& sesion,
                      std::optional<float> porcentaje) const;

 private:
  float salario;
  char nombre[kTamanioNombre];
  char domicilio[kTamanioDomicilio];
  char banco[kTamanioBanco];
};

#endif  // PAYSLIPS_EMPLEADOS_H_
