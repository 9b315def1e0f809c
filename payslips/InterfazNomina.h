#ifndef PAYSLIPS_INTERFAZNOMINA_H_
#define PAYSLIPS_INTERFAZNOMINA_H_

namespace consola {
class Sesion;
}  // namespace consola

// What the monthly run knows of an employee: it can issue its payslip.
//
// emitirNomina runs the whole payslip on the session's console: it asks the
// month and an optional bonus, works the salary out by the employee's own
// pay rule and prints the payslip.
//
// Employees are held and released through this interface, hence the virtual
// destructor. They are never copied, which rules out slicing one into
// another through a base.
class InterfazNomina {
 public:
  InterfazNomina() = default;
  InterfazNomina(const InterfazNomina&) = delete;
  InterfazNomina& operator=(const InterfazNomina&) = delete;
  virtual ~InterfazNomina() = default;

  virtual void emitirNomina(consola::Sesion& sesion) = 0;
};

#endif  // PAYSLIPS_INTERFAZNOMINA_H_
