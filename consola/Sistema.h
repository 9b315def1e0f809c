#ifndef CONSOLA_SISTEMA_H_
#define CONSOLA_SISTEMA_H_

#include <cstddef>

namespace consola {
namespace sistema {

// The few calls the console layer makes on the standard descriptors, one
// implementation per platform (SistemaPosix.cpp, SistemaWindows.cpp). Each
// retries a call that a signal interrupted, but a wait (see esperarBytes).

constexpr int kEntrada = 0;
constexpr int kSalida = 1;
constexpr int kErrores = 2;

// What one read of a descriptor gave.
struct Lectura {
  std::size_t bytes;  // how many were read; 0 at the end or on an error
  bool fin;           // the end of input was reached
  int error;          // the system's error number, or 0
};

// Reads at most `cuantos` bytes, waiting for the first one.
Lectura leer(int descriptor, char* destino, std::size_t cuantos);

// Writes all `cuantos` bytes. Returns 0, or the system's error number of the
// write that failed.
int escribir(int descriptor, const char* datos, std::size_t cuantos);

bool esTerminal(int descriptor);

// How a wait for input ended.
enum class Espera {
  kLista,         // a read will not wait (a byte, the end, or an error)
  kAgotada,       // the time ran out
  kInterrumpida,  // a signal came first
};

// Waits at most `esperaMs` milliseconds until `descriptor` can be read
// without waiting. Only the layer's own pause of a terminal needs it.
Espera esperarBytes(int descriptor, int esperaMs);

}  // namespace sistema
}  // namespace consola

#endif  // CONSOLA_SISTEMA_H_
