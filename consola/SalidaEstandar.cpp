#include "SalidaEstandar.h"

#include <cstring>

#include "Sistema.h"
#include "consola/ErrorDeConsola.h"

namespace consola {

SalidaEstandar::SalidaEstandar() : datos_{}, roto_(false) {
  setp(datos_.data(), datos_.data() + datos_.size());
}

void SalidaEstandar::escribir(const char* texto) {
  sputn(texto, static_cast<std::streamsize>(std::strlen(texto)));
}

void SalidaEstandar::vaciar() {
  const std::size_t cuantos = static_cast<std::size_t>(pptr() - pbase());
  setp(datos_.data(), datos_.data() + datos_.size());
  if (roto_ || cuantos == 0) {
    return;
  }
  const int error = sistema::escribir(sistema::kSalida, datos_.data(), cuantos);
  if (error != 0) {
    roto_ = true;
    throw ErrorDeConsola(ErrorDeConsola::Motivo::kErrorDeSalida, error);
  }
}

// El búfer está lleno: escribe lo guardado, y `caracter`, si lo hay, pasa a
// ser el primero del búfer vacío.
SalidaEstandar::int_type SalidaEstandar::overflow(int_type caracter) {
  vaciar();
  if (!traits_type::eq_int_type(caracter, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(caracter);
    pbump(1);
  }
  return traits_type::not_eof(caracter);
}

int SalidaEstandar::sync() { return 0; }

}  // namespace consola
