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

}  // namespace consola
