#include "FinDeEntrada.h"

#include <iostream>

#include "SalidaDiferida.h"

namespace consola {

int ejecutarDialogo(void (*dialogo)()) {
  const SalidaDiferida salida;
  try {
    dialogo();
  } catch (const FinDeEntrada&) {
    std::cout << std::endl;
  }
  return 0;
}

}  // namespace consola
