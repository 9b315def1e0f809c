#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "Sistema.h"

namespace consola {
namespace sistema {

Lectura leer(int descriptor, char* destino, std::size_t cuantos) {
  for (;;) {
    const ssize_t leidos = read(descriptor, destino, cuantos);
    if (leidos > 0) {
      return Lectura{static_cast<std::size_t>(leidos), false, 0};
    }
    if (leidos == 0) {
      return Lectura{0, true, 0};
    }
    if (errno != EINTR) {
      return Lectura{0, false, errno};
    }
  }
}

int escribir(int descriptor, const char* datos, std::size_t cuantos) {
  while (cuantos > 0) {
    const ssize_t escritos = write(descriptor, datos, cuantos);
    if (escritos < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errno;
    }
    datos += escritos;
    cuantos -= static_cast<std::size_t>(escritos);
  }
  return 0;
}

bool esTerminal(int descriptor) { return isatty(descriptor) == 1; }

Espera esperarBytes(int descriptor, int esperaMs) {
  pollfd sondeo{descriptor, POLLIN, 0};
  const int listos = poll(&sondeo, 1, esperaMs);
  if (listos == 0) {
    return Espera::kAgotada;
  }
  if (listos < 0 && errno == EINTR) {
    return Espera::kInterrumpida;
  }
  // Ready, or a descriptor poll cannot watch: the read says which.
  return Espera::kLista;
}

}  // namespace sistema
}  // namespace consola
