#include "consola/Entrada.h"

#include <cstddef>
#include <ios>
#include <istream>
#include <iterator>
#include <limits>
#include <locale>
#include <ostream>
#include <streambuf>
#include <string>

#include "consola/FinDeEntrada.h"

namespace consola {

namespace {

using Rasgos = std::char_traits<char>;

constexpr const char* kDatoNoValido = "Dato no valido, introduce un numero: ";

// The decimal comma, and the point that the standard extraction takes for it.
constexpr char kComa = ',';
constexpr char kPunto = '.';

constexpr char kPorCiento = '%';

// A UTF-8 letter is a lead byte (11xxxxxx) followed by at most three
// continuation bytes (10xxxxxx).
constexpr std::size_t kMaximoContinuaciones = 3;

bool esDigito(Rasgos::int_type c) { return c >= '0' && c <= '9'; }

// Both take a byte as Rasgos::to_int_type gives it, from 0 to 255.
bool esContinuacion(Rasgos::int_type byte) { return (byte & 0xC0) == 0x80; }
bool esPrimerByte(Rasgos::int_type byte) { return (byte & 0xC0) == 0xC0; }

// The characters of one real number answer, taken from the input's buffer
// one at a time and only as the standard extraction asks for them, so that
// what follows the number stays in the buffer. A comma followed by a digit is
// handed over as the decimal point. After kLargoMaximoNumero characters it
// reports the end, so that the extraction never holds more than that.
class LecturaDeNumero {
 public:
  explicit LecturaDeNumero(std::streambuf& buffer) : buffer_(buffer) {}

  // The character under the read, or end of file at the end of input and
  // once the answer has grown too long.
  Rasgos::int_type actual() {
    if (demasiadoLarga()) {
      return Rasgos::eof();
    }
    if (!visto_) {
      actual_ = mirar();
      visto_ = true;
    }
    return actual_;
  }

  void avanzar() {
    if (comaTomada_) {
      comaTomada_ = false;
    } else {
      buffer_.sbumpc();
    }
    visto_ = false;
    ++usados_;
  }

  // Puts back a comma taken to look past it when the extraction stopped
  // before it ("2.5,3" is 2.5, and ",3" stays).
  void terminar() {
    if (comaTomada_) {
      comaTomada_ = false;
      buffer_.sputbackc(kComa);
    }
  }

  bool demasiadoLarga() const { return usados_ > Entrada::kLargoMaximoNumero; }

 private:
  Rasgos::int_type mirar() {
    const Rasgos::int_type c = buffer_.sgetc();
    if (!Rasgos::eq_int_type(c, Rasgos::to_int_type(kComa))) {
      return c;
    }
    // Only what follows the comma tells whether it belongs to the number.
    buffer_.sbumpc();
    if (esDigito(buffer_.sgetc())) {
      comaTomada_ = true;
      return Rasgos::to_int_type(kPunto);
    }
    buffer_.sputbackc(kComa);
    return c;
  }

  std::streambuf& buffer_;
  std::size_t usados_ = 0;
  // The character under the read, once looked at.
  Rasgos::int_type actual_ = Rasgos::eof();
  bool visto_ = false;
  // A comma followed by a digit has been taken out of the buffer and stands
  // as the point under the read.
  bool comaTomada_ = false;
};

// An input iterator over a LecturaDeNumero; a default-made one is the end.
class Caracteres {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = char;

  Caracteres() = default;
  explicit Caracteres(LecturaDeNumero& lectura) : lectura_(&lectura) {}

  char operator*() const { return Rasgos::to_char_type(lectura_->actual()); }

  Caracteres& operator++() {
    lectura_->avanzar();
    return *this;
  }

  bool operator==(const Caracteres& otro) const {
    return alFinal() == otro.alFinal();
  }
  bool operator!=(const Caracteres& otro) const { return !(*this == otro); }

 private:
  bool alFinal() const {
    return lectura_ == nullptr ||
           Rasgos::eq_int_type(lectura_->actual(), Rasgos::eof());
  }

  LecturaDeNumero* lectura_ = nullptr;
};

// The standard extraction of numbers, over the characters above.
class ExtraccionDeNumero : public std::num_get<char, Caracteres> {
 public:
  // Owned here, not by a locale.
  ExtraccionDeNumero() : std::num_get<char, Caracteres>(1) {}
  ~ExtraccionDeNumero() override = default;

  ExtraccionDeNumero(const ExtraccionDeNumero&) = delete;
  ExtraccionDeNumero& operator=(const ExtraccionDeNumero&) = delete;
};

// Leaves out of `palabra` the bytes kept of the letter that `primeraFuera`,
// the first byte left out, belongs to, when it continues one.
void noPartirLetra(std::string& palabra, Rasgos::int_type primeraFuera) {
  if (Rasgos::eq_int_type(primeraFuera, Rasgos::eof()) ||
      !esContinuacion(primeraFuera)) {
    return;
  }
  const std::size_t largo = palabra.size();
  for (std::size_t atras = 1; atras <= kMaximoContinuaciones && atras <= largo;
       ++atras) {
    const int byte = Rasgos::to_int_type(palabra[largo - atras]);
    if (esPrimerByte(byte)) {
      palabra.resize(largo - atras);
      return;
    }
    if (!esContinuacion(byte)) {
      return;  // not UTF-8: no letter to keep whole
    }
  }
}

}  // namespace

Entrada::Entrada(std::istream& entrada, std::ostream& salida)
    : entrada_(entrada), salida_(salida) {}

template <typename T>
Entrada::Intento Entrada::intentar(T& valor) {
  // Only blanks and line ends left: the input has ended. Anything else is an
  // answer, good or bad, even when the end of input cuts it short.
  if (!(entrada_ >> std::ws) || entrada_.eof()) {
    return Intento::kFin;
  }
  T leido{};
  if (extraer(leido)) {
    valor = leido;
    return Intento::kValor;
  }
  entrada_.clear();
  entrada_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return Intento::kErrata;
}

template <typename T>
bool Entrada::leerNumero(T& valor) {
  for (;;) {
    switch (intentar(valor)) {
      case Intento::kValor:
        return true;
      case Intento::kFin:
        return false;
      case Intento::kErrata:
        salida_ << kDatoNoValido << std::flush;
        break;
    }
  }
}

// libstdc++ works an integer out digit by digit and holds none of them, so
// the stream's own extraction reads an answer of any length in little memory.
bool Entrada::extraer(int& valor) {
  return static_cast<bool>(entrada_ >> valor);
}

// libstdc++'s own extraction of a float collects the whole answer before it
// converts it. This one runs the same extraction of the stream's locale over
// the characters of a LecturaDeNumero, and sets the stream's state as the
// stream's own would, unless the answer was too long.
bool Entrada::extraer(float& valor) {
  const std::istream::sentry centinela(entrada_);
  if (!centinela) {
    return false;
  }
  LecturaDeNumero lectura(*entrada_.rdbuf());
  const ExtraccionDeNumero extraccion;
  std::ios_base::iostate estado = std::ios_base::goodbit;
  float leido = 0;
  extraccion.get(Caracteres(lectura), Caracteres(), entrada_, estado, leido);
  lectura.terminar();
  if (lectura.demasiadoLarga()) {
    return false;
  }
  entrada_.setstate(estado);
  if (entrada_.fail()) {
    return false;
  }
  valor = leido;
  return true;
}

bool Entrada::leerEntero(int& valor) { return leerNumero(valor); }

bool Entrada::leerReal(float& valor) { return leerNumero(valor); }

bool Entrada::leerPorcentaje(float& valor) {
  if (!leerReal(valor)) {
    return false;
  }
  std::streambuf& buffer = *entrada_.rdbuf();
  if (Rasgos::eq_int_type(buffer.sgetc(), Rasgos::to_int_type(kPorCiento))) {
    buffer.sbumpc();
  }
  return true;
}

bool Entrada::leerPalabra(std::string& palabra, std::size_t maximoBytes) {
  const std::istream::sentry centinela(entrada_);
  if (!centinela) {
    return false;
  }
  const auto& tipos = std::use_facet<std::ctype<char>>(entrada_.getloc());
  std::streambuf& buffer = *entrada_.rdbuf();
  std::string leida;
  Rasgos::int_type primeraFuera = Rasgos::eof();
  for (Rasgos::int_type c = buffer.sgetc();; c = buffer.snextc()) {
    if (Rasgos::eq_int_type(c, Rasgos::eof())) {
      entrada_.setstate(std::ios_base::eofbit);
      break;
    }
    const char letra = Rasgos::to_char_type(c);
    if (tipos.is(std::ctype_base::space, letra)) {
      break;
    }
    if (leida.size() < maximoBytes) {
      leida.push_back(letra);
    } else if (Rasgos::eq_int_type(primeraFuera, Rasgos::eof())) {
      primeraFuera = c;
    }
  }
  noPartirLetra(leida, primeraFuera);
  palabra = std::move(leida);
  return true;
}

int Entrada::entero() {
  int valor = 0;
  if (!leerEntero(valor)) {
    throw FinDeEntrada();
  }
  return valor;
}

float Entrada::real() {
  float valor = 0;
  if (!leerReal(valor)) {
    throw FinDeEntrada();
  }
  return valor;
}

std::string Entrada::palabra(std::size_t maximoBytes) {
  std::string valor;
  if (!leerPalabra(valor, maximoBytes)) {
    throw FinDeEntrada();
  }
  return valor;
}

std::optional<int> Entrada::opcion() {
  int valor = 0;
  switch (intentar(valor)) {
    case Intento::kValor:
      return valor;
    case Intento::kFin:
      throw FinDeEntrada();
    case Intento::kErrata:
      break;
  }
  return std::nullopt;
}

}  // namespace consola
