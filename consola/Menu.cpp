#include "consola/Menu.h"

#include <iostream>
#include <optional>

#include "consola/Entrada.h"
#include "consola/Sesion.h"

namespace consola {

namespace detalle {

int leerNumeroDeOpcion(Sesion& sesion, int ultima, const char* aviso) {
  Entrada& respuestas = sesion.respuestas();
  std::optional<int> opcion = respuestas.intentarEntero();
  sesion.limpiarPantalla();
  while (!opcion || *opcion < 1 || *opcion > ultima) {
    std::cout << aviso;
    opcion = respuestas.intentarEntero();
  }
  return *opcion;
}

}  // namespace detalle

}  // namespace consola
