#include <io.h>

#include <cerrno>
#include <climits>

#include "Sistema.h"

namespace consola {
namespace sistema {

namespace {

// The C runtime takes byte counts as unsigned int.
unsigned int enBloque(std::size_t cuantos) {
  return cuantos > INT_MAX ? INT_MAX : static_cast<unsigned int>(cuantos);
}

}  // namespace

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

// Windows pauses through its command interpreter, which reads the key itself:
// the layer never waits for bytes here. With no wait that does not read, the
// read is left to say.
Espera esperarBytes(int /*descriptor*/, int /*esperaMs*/) {
  return Espera::kLista;
}

}  // namespace sistema
}  // namespace consola
