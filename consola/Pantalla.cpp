#include "Pantalla.h"

#include <cstdlib>
#include <cstring>

#include "EntradaEstandar.h"
#include "SalidaEstandar.h"
#include "Sistema.h"

namespace consola {

namespace {

constexpr char kAviso[] = "Presione una tecla para continuar . . . ";
constexpr char kSecuenciaLimpiar[] = "\x1b[H\x1b[2J\x1b[3J";

// La espera de la tecla se corta en tramos de esta duración: así se ve que el
// programa siguió tras un Ctrl+Z aunque la señal llegue entre dos tramos y no
// corte ninguno.
constexpr int kTramoDeEsperaMs = 200;

// Devuelve true si el terminal muestra las secuencias de escape como basura:
// TERM sin poner, vacía o "dumb" (el intérprete de órdenes de Emacs, algunas
// consolas de entornos de desarrollo).
bool terminalSinCursor() {
  const char* tipo = std::getenv("TERM");
  return tipo == nullptr || *tipo == '\0' || std::strcmp(tipo, "dumb") == 0;
}

}  // namespace

Pantalla::Pantalla(EntradaEstandar& entrada, SalidaEstandar& salida)
    : entrada_(entrada),
      salida_(salida),
      limpieza_(elegirLimpieza()),
      pausa_(elegirPausa()) {}

Pantalla::Limpieza Pantalla::elegirLimpieza() {
  if (sistema::hayInterprete()) {
    return Limpieza::kInterprete;
  }
  if (sistema::esTerminal(sistema::kSalida) && !terminalSinCursor()) {
    return Limpieza::kSecuencia;
  }
  return Limpieza::kSaltoDePagina;
}

Pantalla::Pausa Pantalla::elegirPausa() {
  if (sistema::hayInterprete()) {
    return Pausa::kInterprete;
  }
  return sistema::esTerminal(sistema::kEntrada) ? Pausa::kTecla
                                                : Pausa::kSinEspera;
}

void Pantalla::limpiar() {
  switch (limpieza_) {
    case Limpieza::kInterprete:
      salida_.vaciar();
      sistema::ejecutarEnInterprete(sistema::Orden::kLimpiar);
      break;
    case Limpieza::kSecuencia:
      salida_.escribir(kSecuenciaLimpiar);
      break;
    case Limpieza::kSaltoDePagina:
      salida_.escribir("\f");
      break;
  }
}

void Pantalla::pausar() {
  if (pausa_ == Pausa::kInterprete) {
    salida_.vaciar();
    sistema::ejecutarEnInterprete(sistema::Orden::kPausar);
    return;
  }
  salida_.escribir(kAviso);
  if (pausa_ == Pausa::kTecla) {
    esperarPulsacion();
  }
  salida_.escribir("\n");
}

void Pantalla::esperarPulsacion() {
  // La pantalla se escribe antes de tocar el terminal: si no se puede (el
  // lector de una tubería se fue, el disco está lleno), el programa termina
  // con el terminal en su modo de siempre.
  salida_.vaciar();
  // Las líneas enteras y un final de la entrada escritos por adelantado solo
  // se distinguen en el modo de líneas; media línea solo se lee en el modo
  // tecla. Se guardan en los dos para las lecturas de después, de modo que
  // solo una tecla pulsada desde ahora acabe la espera.
  entrada_.adelantar();
  sistema::ModoTecla modo(sistema::kEntrada);
  entrada_.adelantar();
  do {
    if (modo.reanudado()) {
      // De vuelta de un Ctrl+Z, o del segundo plano: el aviso quedó arriba,
      // tras las líneas del intérprete de órdenes.
      salida_.escribir("\n");
      salida_.escribir(kAviso);
    }
  } while (entrada_.esperarTecla(kTramoDeEsperaMs) ==
           EntradaEstandar::Tecla::kNinguna);
}

}  // namespace consola
