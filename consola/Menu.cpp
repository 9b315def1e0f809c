#include "Menu.h"

#include <iostream>
#include <optional>

#include "Entrada.h"
#include "Pantalla.h"

namespace consola {

int leerOpcionDeMenu(Entrada& entrada, int ultima, const char* aviso,
                     bool avisoEnSuLinea) {
  std::optional<int> opcion = entrada.opcion();
  limpiarPantalla();
  while (!opcion || *opcion < 1 || *opcion > ultima) {
    std::cout << aviso;
    if (avisoEnSuLinea) {
      std::cout << std::endl;
    }
    opcion = entrada.opcion();
  }
  return *opcion;
}

}  // namespace consola
