#ifndef PAYSLIPS_EMPLEADOS_H_
#define PAYSLIPS_EMPLEADOS_H_

#include <optional>

#include "InterfazNomina.h"

// Los datos que tiene todo empleado y los pasos que comparten todas las
// nóminas; cada tipo de pago añade sus propios campos y su propia nómina.
//
// Los tres textos se copian al construir en arrays de tamaño fijo, cortados
// para que quepan (29, 49 y 14 caracteres) sea cual sea su longitud.
// `salario` es el salario del mes antes de cualquier bonificación: fijado al
// construir para un asalariado, calculado en cada nómina para los demás
// tipos. La bonificación se calcula a partir de él y se muestra, pero nunca
// se guarda.
//
// Cuentas del pago: cada paso se hace en doble precisión y se redondea a
// float allí donde un valor se guarda o se muestra.
class Empleados : public InterfazNomina {
 public:
  static constexpr int kTamanioNombre = 30;
  static constexpr int kTamanioDomicilio = 50;
  static constexpr int kTamanioBanco = 15;
  // Del mes de una nómina se guardan como mucho 19 caracteres.
  static constexpr int kTamanioMes = 20;

  // Un texto nulo cuenta como vacío.
  Empleados(const char* nombre, const char* domicilio, const char* banco,
            float salario);

  float getSalario() const { return salario; }
  const char* getNombre() const { return nombre; }
  const char* getDomicilio() const { return domicilio; }
  const char* getBanco() const { return banco; }

  // La bonificación del `porcentaje` por ciento sobre `salario`:
  // porcentaje / 100 x salario. Vale cualquier porcentaje, negativo o mayor
  // que 100.
  float bonificacion(float porcentaje) const;

  // `salario` más una bonificación calculada con bonificacion().
  float salarioFinal(float bonificacion) const;

 protected:
  void setSalario(float nuevo) { salario = nuevo; }

  // El comienzo de una nómina: pregunta el mes y si hay bonificación (y
  // entonces su porcentaje), borra la pantalla y escribe la cabecera hasta la
  // línea "Tipo de empleado: " `tipo`. Devuelve el porcentaje si se eligió
  // bonificación. Si se acaba la entrada, el mes queda vacío y no hay
  // bonificación.
  std::optional<float> empezarNomina(consola::Sesion& sesion,
                                     const char* tipo) const;

  // El cierre de una nómina, tras las líneas propias del tipo y su regla de
  // salario: la línea "Salario: ", las dos líneas de la bonificación si
  // `porcentaje` trae una, y luego la pausa y el borrado de pantalla.
  void terminarNomina(consola::Sesion& sesion,
                      std::optional<float> porcentaje) const;

 private:
  float salario;
  char nombre[kTamanioNombre];
  char domicilio[kTamanioDomicilio];
  char banco[kTamanioBanco];
};

#endif  // PAYSLIPS_EMPLEADOS_H_
