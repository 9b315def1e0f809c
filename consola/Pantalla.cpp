#include "Pantalla.h"

#include <iostream>

#ifdef _WIN32
#include <cstdlib>
#else
#include <unistd.h>

#include "EntradaTerminal.h"
#include "ModoTecla.h"
#endif

namespace consola {

#ifdef _WIN32

// The command interpreter writes its own texts; whatever the program wrote
// before must reach the console first.
void limpiarPantalla() {
  std::cout.flush();
  std::system("cls");  // NOLINT(cert-env33-c): the platform's own command
}

void pausar() {
  std::cout.flush();
  std::system("pause");  // NOLINT(cert-env33-c): the platform's own command
}

#else

namespace {

// Which of the standard streams are terminals, looked up once: it does not
// change during a run, and the lookup is a system call.
struct Terminales {
  bool entrada;
  bool salida;
};

const Terminales& terminales() {
  static const Terminales kTerminales{isatty(STDIN_FILENO) == 1,
                                      isatty(STDOUT_FILENO) == 1};
  return kTerminales;
}

}  // namespace

void limpiarPantalla() {
  if (terminales().salida) {
    std::cout << "\x1b[H\x1b[2J\x1b[3J" << std::flush;
  } else {
    std::cout << '\f' << std::flush;
  }
}

void pausar() {
  std::cout << "Presione una tecla para continuar . . . " << std::flush;
  if (terminales().entrada) {
    ModoTecla modo(STDIN_FILENO);
    // In key mode even a half-typed line can be read: whatever was typed
    // before the pause began goes to the program's input first, so that
    // only a new key ends the wait.
    if (EntradaTerminal* entrada = EntradaTerminal::activa()) {
      entrada->adelantar();
    }
    modo.esperarTecla();
  }
  std::cout << std::endl;
}

#endif

}  // namespace consola
