#include "consola/Menu.h"

#include <iostream>
#include <optional>

#include "consola/Sesion.h"

namespace consola {

int leerOpcionYLimpiarPantalla(Sesion& sesion, int ultima, const char* aviso,
                               FinDelAviso finDelAviso) {
  std::optional<int> opcion = sesion.entrada().opcion();
  sesion.limpiarPantalla();
  while (!opcion || *opcion < 1 || *opcion > ultima) {
    std::cout << aviso;
    if (finDelAviso == FinDelAviso::kLineaPropia) {
      std::cout << std::endl;
    }
    opcion = sesion.entrada().opcion();
  }
  return *opcion;
}

}  // namespace consola
