// A test-only program that drives the screen controls the way a dialogue
// does, so that the terminal tests can run them under a pseudo-terminal.
//
//   sondaPausa          reads a number, pauses, then reads another number and
//                       writes "leido <n>" (or "sin numero" if none comes)
//   sondaPausa limpiar  writes '<', clears the screen, writes '>'
#include <cstring>
#include <iostream>

#include "consola/Sesion.h"

int main(int argc, char** argv) {
  consola::Sesion sesion("sondaPausa");
  if (argc > 1 && std::strcmp(argv[1], "limpiar") == 0) {
    std::cout << '<';
    sesion.limpiarPantalla();
    std::cout << '>';
    return sesion.terminar();
  }
  int primero = 0;
  if (!(std::cin >> primero)) {
    return 2;
  }
  sesion.pausar();
  int segundo = 0;
  if (std::cin >> segundo) {
    std::cout << "leido " << segundo << std::endl;
  } else {
    std::cout << "sin numero" << std::endl;
  }
  return sesion.terminar();
}
