#include <cstdlib>

#include "Pantalla.h"
#include "SalidaEstandar.h"

namespace consola {

// The command interpreter writes its own texts and reads the console
// itself; whatever the program wrote must reach the console first.

Pantalla::Pantalla(EntradaEstandar& entrada, SalidaEstandar& salida)
    : entrada_(entrada),
      salida_(salida),
      esperaTecla_(false),
      borraConSecuencia_(false) {}

void Pantalla::limpiar() {
  salida_.vaciar();
  std::system("cls");  // NOLINT(cert-env33-c): the platform's own command
}

void Pantalla::pausar() {
  salida_.vaciar();
  std::system("pause");  // NOLINT(cert-env33-c): the platform's own command
}

}  // namespace consola
