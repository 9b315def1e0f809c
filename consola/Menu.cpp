#include "consola/Menu.h"

#include <iostream>
#include <limits>
#include <optional>

#include "consola/FinDeEntrada.h"
#include "consola/Sesion.h"

namespace consola {

namespace {

// Una respuesta al menú: su número, o nada si no es un número (entonces se
// descarta con el resto de su línea, sin aviso: el aviso es el del menú).
// Lanza FinDeEntrada si solo quedan blancos y saltos de línea; una respuesta
// a medias al acabarse la entrada sigue siendo una respuesta.
std::optional<int> leerRespuesta() {
  if (!(std::cin >> std::ws) || std::cin.eof()) {
    throw FinDeEntrada();
  }
  int numero = 0;
  if (std::cin >> numero) {
    return numero;
  }
  std::cin.clear();
  std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return std::nullopt;
}

}  // namespace

namespace detalle {

int leerNumeroDeOpcion(Sesion& sesion, int ultima, const char* aviso) {
  std::optional<int> opcion = leerRespuesta();
  sesion.limpiarPantalla();
  while (!opcion || *opcion < 1 || *opcion > ultima) {
    std::cout << aviso;
    opcion = leerRespuesta();
  }
  return *opcion;
}

}  // namespace detalle

}  // namespace consola
