#include <cstddef>

#include "EntradaEstandar.h"
#include "SalidaEstandar.h"
#include "Sistema.h"

// The part of the reader that only the pause of a terminal uses: Windows
// pauses through its command interpreter, which reads the key itself.

namespace consola {

namespace {

// What the answers typed ahead of a pause may take at most; a terminal holds
// far less.
constexpr std::size_t kMaximoAdelantado = std::size_t{1024} * 1024;

// How long the rest of a key's bytes may take to arrive after its first one.
constexpr int kEsperaRestoMs = 50;

bool hayBytesListos() {
  return sistema::esperarBytes(sistema::kEntrada, 0) == sistema::Espera::kLista;
}

}  // namespace

void EntradaEstandar::adelantar() {
  while (datos_.size() < kMaximoAdelantado && hayBytesListos() && leer()) {
  }
  if (fin_) {
    // What comes after an end of input typed ahead is read by no answer;
    // left in the terminal, it would be taken for the key.
    char bloque[256];
    while (hayBytesListos() &&
           aceptar(sistema::leer(sistema::kEntrada, bloque, sizeof bloque))) {
    }
  }
}

EntradaEstandar::Tecla EntradaEstandar::esperarTecla(int esperaMs) {
  salida_.vaciar();
  if (sistema::esperarBytes(sistema::kEntrada, esperaMs) !=
      sistema::Espera::kLista) {
    return Tecla::kNinguna;
  }
  unsigned char primero = 0;
  if (!leerByte(primero, 0)) {
    return Tecla::kFin;
  }
  if (primero == 0x1B) {
    descartarSecuencia();
  } else {
    descartarContinuacion(primero);
  }
  return Tecla::kPulsada;
}

bool EntradaEstandar::leerByte(unsigned char& byte, int esperaMs) {
  for (;;) {
    const sistema::Espera espera =
        sistema::esperarBytes(sistema::kEntrada, esperaMs);
    if (espera == sistema::Espera::kAgotada) {
      return false;
    }
    if (espera == sistema::Espera::kLista) {
      break;
    }
  }
  char leido = 0;
  if (!aceptar(sistema::leer(sistema::kEntrada, &leido, 1))) {
    return false;
  }
  byte = static_cast<unsigned char>(leido);
  return true;
}

// After the lead byte of a UTF-8 character: its continuation bytes.
void EntradaEstandar::descartarContinuacion(unsigned char primero) {
  int resto = 0;
  if (primero >= 0xF0) {
    resto = 3;
  } else if (primero >= 0xE0) {
    resto = 2;
  } else if (primero >= 0xC0) {
    resto = 1;
  }
  unsigned char byte = 0;
  while (resto > 0 && leerByte(byte, kEsperaRestoMs)) {
    --resto;
  }
}

// After an ESC: the rest of a CSI (ESC [ ... final) or SS3 (ESC O x)
// sequence, or the one key of an Alt combination, whatever its length.
void EntradaEstandar::descartarSecuencia() {
  unsigned char byte = 0;
  if (!leerByte(byte, kEsperaRestoMs)) {
    return;  // the Esc key alone
  }
  if (byte == 'O') {
    leerByte(byte, kEsperaRestoMs);
  } else if (byte == '[') {
    if (!leerByte(byte, kEsperaRestoMs)) {
      return;  // Alt+[
    }
    if (byte == '[') {
      leerByte(byte, kEsperaRestoMs);  // the Linux console's F1 to F5
      return;
    }
    // Parameter and intermediate bytes lie below 0x40; the final one ends it.
    while (byte < 0x40 && leerByte(byte, kEsperaRestoMs)) {
    }
  } else {
    descartarContinuacion(byte);  // Alt with a multibyte character
  }
}

}  // namespace consola
