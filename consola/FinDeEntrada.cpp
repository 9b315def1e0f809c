#include "FinDeEntrada.h"

#include <iostream>

namespace consola {

int ejecutarDialogo(void (*dialogo)()) {
  try {
    dialogo();
  } catch (const FinDeEntrada&) {
    std::cout << std::endl;
  }
  return 0;
}

}  // namespace consola
