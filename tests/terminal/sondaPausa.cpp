// Un programa solo para las pruebas: usa los controles de pantalla como lo
// hace un diálogo, para que las pruebas en un pseudoterminal los ejerciten.
//
//   sondaPausa          lee un número, hace una pausa, lee otro número y
//                       escribe "leido <n>" (o "sin numero" si no llega)
//   sondaPausa limpiar  escribe '<', limpia la pantalla y escribe '>'
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
