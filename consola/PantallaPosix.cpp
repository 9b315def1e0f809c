#include <cstdlib>
#include <cstring>

#include "EntradaEstandar.h"
#include "Pantalla.h"
#include "SalidaEstandar.h"
#include "Sistema.h"

namespace consola {

namespace {

constexpr char kAviso[] = "Presione una tecla para continuar . . . ";
constexpr char kSecuenciaLimpiar[] = "\x1b[H\x1b[2J\x1b[3J";

// The wait for the key is cut into spans this long, so that a continue
// after Ctrl+Z is seen even when it came between two of them.
constexpr int kTramoDeEsperaMs = 200;

// A terminal that shows escape sequences as garbage: TERM unset, empty or
// "dumb" (Emacs' shell, some IDE consoles).
bool terminalSinCursor() {
  const char* tipo = std::getenv("TERM");
  return tipo == nullptr || *tipo == '\0' || std::strcmp(tipo, "dumb") == 0;
}

}  // namespace

Pantalla::Pantalla(EntradaEstandar& entrada, SalidaEstandar& salida)
    : entrada_(entrada),
      salida_(salida),
      esperaTecla_(sistema::esTerminal(sistema::kEntrada)),
      borraConSecuencia_(sistema::esTerminal(sistema::kSalida) &&
                         !terminalSinCursor()) {}

void Pantalla::limpiar() {
  salida_.escribir(borraConSecuencia_ ? kSecuenciaLimpiar : "\f");
}

void Pantalla::pausar() {
  salida_.escribir(kAviso);
  if (esperaTecla_) {
    // Whole lines and an end of input typed ahead can only be told apart in
    // line mode; a half line can only be taken in key mode. Both are kept
    // for later reads, so that only a key pressed from now on ends the wait.
    entrada_.adelantar();
    sistema::ModoTecla modo(sistema::kEntrada);
    entrada_.adelantar();
    while (entrada_.esperarTecla(kTramoDeEsperaMs) ==
           EntradaEstandar::Tecla::kNinguna) {
      if (modo.reanudado()) {
        // Back from Ctrl+Z: the message has scrolled away behind the
        // shell's lines.
        salida_.escribir("\n");
        salida_.escribir(kAviso);
      }
    }
  }
  salida_.escribir("\n");
}

}  // namespace consola
