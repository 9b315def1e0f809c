#include "consola/Entrada.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <ios>
#include <istream>
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

// La coma decimal, y el punto que la sustituye en el texto del número.
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

// Devuelve el valor leído, o lanza FinDeEntrada si la entrada se acabó antes.
template <typename T>
T valorOLanzar(std::optional<T> leido) {
  if (!leido) {
    throw FinDeEntrada();
  }
  return std::move(*leido);
}

// Los números se leen con una regla propia de la capa, la misma en todas las
// plataformas, porque las bibliotecas de C++ no leen igual un número real con
// su extracción: unas aceptan "inf", "nan" o "0x10" (que leen como 16) y
// otras no. La regla es la que sigue la biblioteca de GNU en Linux:
//
// - un entero es un signo opcional y una o más cifras, todas las que haya; su
//   valor debe caber en un int. De "0x10" se lee el 0, y "x10" se queda;
// - un número real es un signo opcional y cifras, con un separador decimal
//   como mucho (un punto, o una coma seguida de una cifra) y, solo si ya hay
//   alguna cifra, una 'e' o una 'E' seguida de un signo opcional y de
//   cifras. Se toman todos los caracteres que encajan, y el texto tomado se
//   convierte con std::strtof: no es un número si strtof no lo convierte
//   entero ("1e", "-", ".") o si el valor no cabe en un float ("1e39"). Un
//   valor demasiado pequeño se acepta, redondeado (a 0 si hace falta). "inf"
//   y "nan" no encajan: no son números.
//
// Los caracteres se sacan del búfer de uno en uno, y solo los que encajan, así
// que lo que sigue al número se queda en el búfer. Un número real de más de
// kLargoMaximoNumero caracteres no se acepta: así leer un número guarda como
// mucho unos pocos KiB. Un entero no guarda sus cifras y puede tener
// cualquier longitud.
//
// strtof lee el punto como separador decimal porque la capa nunca cambia el
// locale de C, que sigue siendo el "C" con el que arranca todo programa.

// Los caracteres de una respuesta con un número, sacados del búfer de la
// entrada.
//
// Para saber si una coma es el separador decimal hay que sacarla del búfer y
// mirar el carácter que la sigue; si no es una cifra, la coma se devuelve al
// búfer. Por eso el búfer debe aceptar la devolución de un carácter tras una
// lectura, como hacen los búferes de fichero estándar y el de la sesión.
class LecturaDeNumero {
 public:
  explicit LecturaDeNumero(std::streambuf& buffer) : buffer_(buffer) {}

  // Devuelve true si el carácter en la posición de lectura es `c`.
  bool es(char c) const {
    return Rasgos::eq_int_type(buffer_.sgetc(), Rasgos::to_int_type(c));
  }
  bool esSigno() const { return es('+') || es('-'); }
  bool esCifra() const { return esDigito(buffer_.sgetc()); }
  // Devuelve true si la entrada se ha acabado.
  bool alFinal() const {
    return Rasgos::eq_int_type(buffer_.sgetc(), Rasgos::eof());
  }

  // Saca del búfer el carácter en la posición de lectura y lo devuelve.
  char tomar() { return Rasgos::to_char_type(buffer_.sbumpc()); }

  // Si en la posición de lectura hay un punto, o una coma seguida de una
  // cifra, lo saca del búfer y devuelve true.
  bool tomarSeparadorDecimal() {
    if (es(kPunto)) {
      tomar();
      return true;
    }
    if (!es(kComa)) {
      return false;
    }
    buffer_.sbumpc();
    if (esCifra()) {
      return true;
    }
    buffer_.sputbackc(kComa);
    return false;
  }

 private:
  std::streambuf& buffer_;
};

// Lee un entero con la regla de arriba. Devuelve true si lo hay.
bool leerNumero(LecturaDeNumero& lectura, int& valor) {
  const bool negativo = lectura.es('-');
  if (lectura.esSigno()) {
    lectura.tomar();
  }
  if (!lectura.esCifra()) {
    return false;
  }
  // El valor absoluto deja de crecer en cuanto pasa del mayor que admite el
  // signo; las cifras que quedan se sacan igual.
  const long long limite =
      negativo ? -static_cast<long long>(std::numeric_limits<int>::min())
               : std::numeric_limits<int>::max();
  long long absoluto = 0;
  while (lectura.esCifra()) {
    const int cifra = lectura.tomar() - '0';
    if (absoluto <= limite) {
      absoluto = absoluto * 10 + cifra;
    }
  }
  if (absoluto > limite) {
    return false;
  }
  valor = static_cast<int>(negativo ? -absoluto : absoluto);
  return true;
}

// Lee un número real con la regla de arriba. Devuelve true si lo hay.
bool leerNumero(LecturaDeNumero& lectura, float& valor) {
  // Lo tomado, un carácter por cada uno que sale del búfer, con el punto
  // como separador decimal.
  std::string texto;
  if (lectura.esSigno()) {
    texto += lectura.tomar();
  }
  bool hayCifras = false;
  bool hayPunto = false;
  bool hayExponente = false;
  for (;;) {
    if (texto.size() > Entrada::kLargoMaximoNumero) {
      return false;
    }
    if (lectura.esCifra()) {
      texto += lectura.tomar();
      hayCifras = true;
    } else if (!hayPunto && !hayExponente && lectura.tomarSeparadorDecimal()) {
      texto += kPunto;
      hayPunto = true;
    } else if (hayCifras && !hayExponente &&
               (lectura.es('e') || lectura.es('E'))) {
      texto += lectura.tomar();
      hayExponente = true;
      if (lectura.esSigno()) {
        texto += lectura.tomar();
      }
    } else {
      break;
    }
  }
  const char* inicio = texto.c_str();
  char* fin = nullptr;
  const float leido = std::strtof(inicio, &fin);
  if (fin == inicio || *fin != '\0' || std::isinf(leido)) {
    return false;
  }
  valor = leido;
  return true;
}

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
  LecturaDeNumero lectura(*origen_.rdbuf());
  if (leerNumero(lectura, valor)) {
    // Como la extracción de un flujo, marca el fin si lo ha encontrado.
    if (lectura.alFinal()) {
      origen_.setstate(std::ios_base::eofbit);
    }
    return Intento::kNumero;
  }
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
