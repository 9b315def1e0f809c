#include "FinDeEntrada.h"

#include <iostream>

#include "EntradaTerminal.h"
#include "SalidaDiferida.h"

namespace consola {

int ejecutarDialogo(void (*dialogo)()) {
  const EntradaTerminal entrada;
  const SalidaDiferida salida;
  try {
    dialogo();
  } catch (const FinDeEntrada&) {
    std::cout << std::endl;
  }
  return 0;
}

}  // namespace consola
