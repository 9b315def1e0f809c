// Un programa solo para las pruebas: usa los controles de pantalla como lo
// hace un diálogo, para que las pruebas en un pseudoterminal los ejerciten.
//
//   sondaPausa          lee un número, hace una pausa, lee otro número y
//                       escribe "leido <n>" (o "sin numero" si no llega)
//   sondaPausa limpiar  escribe '<', limpia la pantalla y escribe '>'
//   sondaPausa terminar como la primera, y SIGUSR1 llama a std::terminate
#include <csignal>
#include <cstring>
#include <exception>
#include <iostream>

#include "consola/Sesion.h"

namespace {

extern "C" void alTerminar(int /*senal*/) { std::terminate(); }

}  // namespace

int main(int argc, char** argv) {
  consola::Sesion sesion("sondaPausa");
  const char* modo = argc > 1 ? argv[1] : "";
  if (std::strcmp(modo, "terminar") == 0) {
    std::signal(SIGUSR1, alTerminar);
  }
  try {
    if (std::strcmp(modo, "limpiar") == 0) {
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
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
