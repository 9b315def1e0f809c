// La plataforma en Windows: las funciones de bajo nivel del runtime de C
// (_read, _write, _isatty) sobre los descriptores, y el intérprete de órdenes
// con sus "cls" y "pause". La pausa la hace el intérprete, que lee la tecla
// él mismo: la espera de bytes y el modo tecla, que solo sirven a la pausa
// propia de la capa, aquí no se usan.

#include <io.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Sistema.h"

namespace consola {
namespace sistema {

namespace {

// El runtime de C recibe la cuenta de bytes como unsigned int y devuelve
// los leídos o escritos como int: un bloque no pasa de INT_MAX.
unsigned int enBloque(std::size_t cuantos) {
  return cuantos > INT_MAX ? INT_MAX : static_cast<unsigned int>(cuantos);
}

}  // namespace

// ---------------------------------------------------------------------------
// Lectura y escritura

Lectura leer(int descriptor, char* destino, std::size_t cuantos) {
  const int leidos = _read(descriptor, destino, enBloque(cuantos));
  if (leidos > 0) {
    return Lectura{static_cast<std::size_t>(leidos), false, 0};
  }
  if (leidos == 0) {
    return Lectura{0, true, 0};
  }
  return Lectura{0, false, errno};
}

int escribir(int descriptor, const char* datos, std::size_t cuantos) {
  while (cuantos > 0) {
    const int escritos = _write(descriptor, datos, enBloque(cuantos));
    if (escritos < 0) {
      return errno;
    }
    datos += escritos;
    cuantos -= static_cast<std::size_t>(escritos);
  }
  return 0;
}

bool esTerminal(int descriptor) { return _isatty(descriptor) != 0; }

// Sin una espera que no lea, que lo diga la lectura.
Espera esperarBytes(int /*descriptor*/, int /*esperaMs*/) {
  return Espera::kLista;
}

// ---------------------------------------------------------------------------
// El intérprete de órdenes

bool hayInterprete() { return true; }

void ejecutarEnInterprete(Orden orden) {
  const char* texto = orden == Orden::kLimpiar ? "cls" : "pause";
  std::system(texto);  // NOLINT(cert-env33-c): la orden propia de la plataforma
}

// ---------------------------------------------------------------------------
// El modo tecla: nada que cambiar.

ModoTecla::ModoTecla(int /*descriptor*/) : activo_(false), reanudado_(false) {}

ModoTecla::~ModoTecla() = default;

bool ModoTecla::reanudado() { return false; }

}  // namespace sistema
}  // namespace consola
