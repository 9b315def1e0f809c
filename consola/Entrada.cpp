#include "consola/Entrada.h"

#include <cstddef>
#include <ios>
#include <istream>
#include <iterator>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <utility>

#include "consola/FinDeEntrada.h"

namespace consola {

namespace {

using Rasgos = std::char_traits<char>;

constexpr const char* kDatoNoValido = "Dato no valido, introduce un numero: ";

// La coma decimal, y el punto que la extracción estándar lee en su lugar.
constexpr char kComa = ',';
constexpr char kPunto = '.';

constexpr char kPorCiento = '%';

// Una letra UTF-8 es un byte inicial (11xxxxxx) seguido de hasta tres bytes
// de continuación (10xxxxxx).
constexpr std::size_t kMaximoContinuaciones = 3;

bool esDigito(Rasgos::int_type c) { return c >= '0' && c <= '9'; }

// Las dos toman un byte tal como lo da Rasgos::to_int_type, de 0 a 255.
bool esContinuacion(Rasgos::int_type byte) { return (byte & 0xC0) == 0x80; }
bool esPrimerByte(Rasgos::int_type byte) { return (byte & 0xC0) == 0xC0; }

// El valor leído, o FinDeEntrada si la entrada se acabó antes.
template <typename T>
T valorOLanzar(std::optional<T> leido) {
  if (!leido) {
    throw FinDeEntrada();
  }
  return std::move(*leido);
}

// Los caracteres de una respuesta con un número real, sacados del búfer de
// la entrada de uno en uno y solo cuando la extracción estándar los pide,
// para que lo que sigue al número se quede en el búfer. Una coma seguida de
// una cifra se entrega como punto decimal. Pasados kLargoMaximoNumero
// caracteres dice que no hay más, para que la extracción nunca guarde más:
// leer un número guarda como mucho unos pocos KiB.
//
// Para saber si una coma es el separador decimal hay que sacarla del búfer y
// mirar el carácter que la sigue; si no es una cifra, la coma se devuelve al
// búfer. Por eso el búfer de `origen` debe aceptar la devolución de un
// carácter tras una lectura, como hacen los búferes de fichero estándar y el
// de la sesión.
class LecturaDeNumero {
 public:
  explicit LecturaDeNumero(std::streambuf& buffer) : buffer_(buffer) {}

  // Devuelve el carácter en la posición de lectura, o el fin de fichero al
  // acabarse la entrada y cuando la respuesta ya es demasiado larga.
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

  // Devuelve al búfer la coma que se sacó para mirar detrás de ella cuando
  // la extracción se paró antes ("2.5,3" es 2.5, y ",3" se queda).
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
    // Solo lo que sigue a la coma dice si es parte del número.
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
  // El carácter en la posición de lectura, una vez mirado.
  Rasgos::int_type actual_ = Rasgos::eof();
  bool visto_ = false;
  // Una coma seguida de una cifra ya ha salido del búfer y está en la
  // posición de lectura como punto.
  bool comaTomada_ = false;
};

// Un iterador de entrada sobre una LecturaDeNumero; uno construido por
// defecto es el final.
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

// La extracción estándar de números, sobre los caracteres de arriba.
class ExtraccionDeNumero : public std::num_get<char, Caracteres> {
 public:
  // El 1 dice que es de quien la crea, no de un locale.
  ExtraccionDeNumero() : std::num_get<char, Caracteres>(1) {}
  ~ExtraccionDeNumero() override = default;

  ExtraccionDeNumero(const ExtraccionDeNumero&) = delete;
  ExtraccionDeNumero& operator=(const ExtraccionDeNumero&) = delete;
};

// Quita de `palabra` los bytes ya guardados de la letra a la que pertenece
// `primeraFuera`, el primer byte que se quedó fuera, si continúa una letra.
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
      return;  // no es UTF-8: no hay letra que guardar entera
    }
  }
}

}  // namespace

Entrada::Entrada(std::istream& origen, std::ostream& avisos)
    : origen_(origen), avisos_(avisos) {}

template <typename T>
Entrada::Intento Entrada::intentar(T& valor) {
  // Si solo quedan espacios y saltos de línea, la entrada se ha acabado.
  // Cualquier otra cosa es una respuesta, buena o mala, aunque el fin de la
  // entrada la deje a medias.
  if (!(origen_ >> std::ws) || origen_.eof()) {
    return Intento::kFin;
  }
  if (extraer(valor)) {
    return Intento::kNumero;
  }
  origen_.clear();
  origen_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return Intento::kNoEsNumero;
}

template <typename T>
std::optional<T> Entrada::numeroOFin() {
  for (;;) {
    T valor{};
    switch (intentar(valor)) {
      case Intento::kNumero:
        return valor;
      case Intento::kFin:
        return std::nullopt;
      case Intento::kNoEsNumero:
        avisos_ << kDatoNoValido << std::flush;
        break;
    }
  }
}

// libstdc++ calcula un entero cifra a cifra sin guardar ninguna, así que la
// extracción del propio flujo lee una respuesta de cualquier longitud con
// poca memoria.
bool Entrada::extraer(int& valor) {
  return static_cast<bool>(origen_ >> valor);
}

// La extracción de un float de libstdc++ junta la respuesta entera antes de
// convertirla. Esta hace la misma extracción, la del locale del flujo, sobre
// los caracteres de una LecturaDeNumero, y deja el estado del flujo como lo
// dejaría la del propio flujo, salvo cuando la respuesta es demasiado larga.
bool Entrada::extraer(float& valor) {
  const std::istream::sentry centinela(origen_);
  if (!centinela) {
    return false;
  }
  LecturaDeNumero lectura(*origen_.rdbuf());
  const ExtraccionDeNumero extraccion;
  std::ios_base::iostate estado = std::ios_base::goodbit;
  float leido = 0;
  extraccion.get(Caracteres(lectura), Caracteres(), origen_, estado, leido);
  lectura.terminar();
  if (lectura.demasiadoLarga()) {
    return false;
  }
  origen_.setstate(estado);
  if (origen_.fail()) {
    return false;
  }
  valor = leido;
  return true;
}

std::optional<int> Entrada::enteroOFin() { return numeroOFin<int>(); }

std::optional<float> Entrada::porcentajeOFin() {
  const std::optional<float> valor = numeroOFin<float>();
  std::streambuf& buffer = *origen_.rdbuf();
  if (valor &&
      Rasgos::eq_int_type(buffer.sgetc(), Rasgos::to_int_type(kPorCiento))) {
    buffer.sbumpc();
  }
  return valor;
}

std::optional<std::string> Entrada::palabraOFin(std::size_t maximoBytes) {
  const std::istream::sentry centinela(origen_);
  if (!centinela) {
    return std::nullopt;
  }
  const auto& tipos = std::use_facet<std::ctype<char>>(origen_.getloc());
  std::streambuf& buffer = *origen_.rdbuf();
  std::string leida;
  Rasgos::int_type primeraFuera = Rasgos::eof();
  for (Rasgos::int_type c = buffer.sgetc();; c = buffer.snextc()) {
    if (Rasgos::eq_int_type(c, Rasgos::eof())) {
      origen_.setstate(std::ios_base::eofbit);
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
  return leida;
}

std::optional<int> Entrada::intentarEntero() {
  int valor = 0;
  switch (intentar(valor)) {
    case Intento::kNumero:
      return valor;
    case Intento::kNoEsNumero:
      return std::nullopt;
    case Intento::kFin:
      break;
  }
  throw FinDeEntrada();
}

int Entrada::entero() { return valorOLanzar(enteroOFin()); }

float Entrada::real() { return valorOLanzar(numeroOFin<float>()); }

std::string Entrada::palabra(std::size_t maximoBytes) {
  return valorOLanzar(palabraOFin(maximoBytes));
}

}  // namespace consola
