#include "EntradaEstandar.h"

#include <algorithm>
#include <cstring>

#include "SalidaEstandar.h"
#include "Sistema.h"
#include "consola/ErrorDeConsola.h"

namespace consola {

namespace {

// What one read asks the system for.
constexpr std::size_t kBloque = std::size_t{64} * 1024;

constexpr char kMarcaDeOrden[] = "\xEF\xBB\xBF";
constexpr std::size_t kLargoMarca = sizeof kMarcaDeOrden - 1;

// What the answers typed ahead of a pause may take at most; a terminal holds
// far less.
constexpr std::size_t kMaximoAdelantado = std::size_t{1024} * 1024;

// How long the rest of a key's bytes may take to arrive after its first one.
constexpr int kEsperaRestoMs = 50;

bool hayBytesListos() {
  return sistema::esperarBytes(sistema::kEntrada, 0) == sistema::Espera::kLista;
}

}  // namespace

EntradaEstandar::EntradaEstandar(SalidaEstandar& salida)
    : fin_(false), alPrincipio_(true), salida_(salida) {
  datos_.reserve(kBloque);
}

EntradaEstandar::int_type EntradaEstandar::underflow() {
  while (gptr() == egptr()) {
    if (!fin_) {
      salida_.vaciar();  // the program is about to wait: its output goes first
    }
    if (!leer()) {
      if (!alPrincipio_) {
        return traits_type::eof();
      }
      // Fewer bytes than a mark before the end: no mark.
      alPrincipio_ = false;
      mostrar(static_cast<std::size_t>(gptr() - eback()));
    }
  }
  return traits_type::to_int_type(*gptr());
}

bool EntradaEstandar::leer() {
  if (fin_) {
    return false;
  }
  // Drop what has been read but its last byte, which a reader may put back
  // (a number read looks one character past a decimal comma); keep the
  // unread bytes and add the new ones.
  const std::size_t usados =
      (eback() == nullptr) ? 0 : static_cast<std::size_t>(gptr() - eback());
  const std::size_t devolvible = std::min<std::size_t>(usados, 1);
  datos_.erase(datos_.begin(), datos_.begin() + static_cast<std::ptrdiff_t>(
                                                    usados - devolvible));
  const std::size_t antes = datos_.size();
  datos_.resize(antes + kBloque);
  const sistema::Lectura lectura =
      sistema::leer(sistema::kEntrada, datos_.data() + antes, kBloque);
  datos_.resize(antes + lectura.bytes);
  mostrar(devolvible);
  if (!aceptar(lectura)) {
    return false;
  }
  decidirMarca();
  return true;
}

bool EntradaEstandar::aceptar(const sistema::Lectura& lectura) {
  if (lectura.error != 0) {
    throw ErrorDeConsola(ErrorDeConsola::Flujo::kEntrada, lectura.error);
  }
  if (lectura.fin) {
    fin_ = true;
  }
  return lectura.bytes > 0;
}

void EntradaEstandar::decidirMarca() {
  if (!alPrincipio_) {
    return;
  }
  const std::size_t hay = datos_.size();
  const std::size_t comparar = std::min(hay, kLargoMarca);
  const bool puedeSerMarca =
      std::memcmp(datos_.data(), kMarcaDeOrden, comparar) == 0;
  if (puedeSerMarca && hay < kLargoMarca) {
    return;  // too few bytes yet to tell
  }
  alPrincipio_ = false;
  mostrar(puedeSerMarca ? kLargoMarca : 0);
}

void EntradaEstandar::mostrar(std::size_t desde) {
  char* inicio = datos_.data();
  char* fin = inicio + datos_.size();
  setg(inicio, inicio + desde, alPrincipio_ ? inicio + desde : fin);
}

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
