#ifndef PAYSLIPS_INTERFAZNOMINA_H_
#define PAYSLIPS_INTERFAZNOMINA_H_

namespace consola {
class Sesion;
}  // namespace consola

// Esta interfaz es lo único que la emisión de nóminas del mes sabe de un
// empleado: que puede emitir su nómina.
//
// emitirNomina hace la nómina entera en la consola de la sesión: pregunta el
// mes y una bonificación opcional, calcula el salario con la regla de pago
// propia del empleado e imprime la nómina.
//
// Los empleados se guardan y se liberan a través de esta interfaz; de ahí el
// destructor virtual. Nunca se copian, así que no puede copiarse uno en otro
// a través de una base y perder por el camino su parte propia (el llamado
// «slicing»).
class InterfazNomina {
 public:
  InterfazNomina() = default;
  InterfazNomina(const InterfazNomina&) = delete;
  InterfazNomina& operator=(const InterfazNomina&) = delete;
  virtual ~InterfazNomina() = default;

  virtual void emitirNomina(consola::Sesion& sesion) = 0;
};

#endif  // PAYSLIPS_INTERFAZNOMINA_H_
