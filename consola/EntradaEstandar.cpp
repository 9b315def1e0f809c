#include "EntradaEstandar.h"

#include <algorithm>
#include <cstring>

#include "SalidaEstandar.h"
#include "Sistema.h"
#include "consola/ErrorDeConsola.h"

namespace consola {

namespace {

// Los bytes que pide al sistema cada lectura.
constexpr std::size_t kBloque = std::size_t{64} * 1024;

// La marca de orden de bytes de UTF-8, con la que el Bloc de notas de
// Windows empieza los ficheros que guarda.
constexpr char kMarcaDeOrden[] = "\xEF\xBB\xBF";
constexpr std::size_t kLargoMarca = sizeof kMarcaDeOrden - 1;

// Los bytes que pueden ocupar como mucho las respuestas escritas por
// adelantado antes de una pausa; un terminal guarda muchos menos.
constexpr std::size_t kMaximoAdelantado = std::size_t{1024} * 1024;

// Lo que pueden tardar en llegar los demás bytes de una tecla tras el primero.
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
      salida_.vaciar();  // el programa va a esperar: antes escribe lo suyo
    }
    if (!leer()) {
      if (!alPrincipio_) {
        return traits_type::eof();
      }
      // Menos bytes que una marca antes del final: no hay marca.
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
  // Se descarta lo ya leído salvo su último byte, que un lector puede devolver
  // (la lectura de un número mira un carácter más allá de una coma decimal);
  // se guardan los bytes sin leer y se añaden los nuevos.
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
    throw ErrorDeConsola(ErrorDeConsola::Motivo::kErrorDeEntrada,
                         lectura.error);
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
    return;  // aún son pocos bytes para saberlo
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
    // Lo escrito tras un final de la entrada adelantado no lo lee ninguna
    // respuesta; si se quedara en el terminal, se tomaría por la tecla.
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

// Tras el primer byte de un carácter UTF-8, descarta sus bytes de
// continuación.
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

// Tras un ESC, descarta el resto de una secuencia CSI (ESC [ ... final) o SS3
// (ESC O x), o la tecla que acompaña a Alt, tenga la longitud que tenga.
void EntradaEstandar::descartarSecuencia() {
  unsigned char byte = 0;
  if (!leerByte(byte, kEsperaRestoMs)) {
    return;  // la tecla Esc sola
  }
  if (byte == 'O') {
    leerByte(byte, kEsperaRestoMs);
  } else if (byte == '[') {
    if (!leerByte(byte, kEsperaRestoMs)) {
      return;  // Alt+[
    }
    if (byte == '[') {
      leerByte(byte, kEsperaRestoMs);  // F1 a F5 en la consola de Linux
      return;
    }
    // Los bytes de parámetro e intermedios están por debajo de 0x40; el
    // final, no.
    while (byte < 0x40 && leerByte(byte, kEsperaRestoMs)) {
    }
  } else {
    descartarContinuacion(byte);  // Alt con un carácter de varios bytes
  }
}

}  // namespace consola
