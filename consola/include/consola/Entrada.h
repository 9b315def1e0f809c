#ifndef CONSOLA_ENTRADA_H_
#define CONSOLA_ENTRADA_H_

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace consola {

// Lee las respuestas del usuario. Antes de cada respuesta se saltan los
// espacios y los saltos de línea, y lo que sigue a una respuesta en su línea
// queda para la lectura siguiente.
//
// Cuando una lectura de número no encuentra un número (una palabra, un signo
// solo, un valor fuera del rango del tipo), escribe "Dato no valido,
// introduce un numero: ", descarta el resto de esa línea y lee otra vez: una
// respuesta mal tecleada nunca deja la lectura atascada.
//
// Un número son cifras con un signo opcional delante; un número real puede
// llevar además una parte decimal y un exponente ("-2.5e3"). En ninguna
// plataforma son números "inf" ni "nan", y de "0x10" solo se lee el 0. En
// los reales, una coma seguida de una cifra hace de separador decimal ("2,5"
// y "2.5" valen 2,5; ",5" vale 0,5); cualquier otra coma termina el número y
// queda para la lectura siguiente. Los enteros no admiten coma.
//
// La memoria no crece con la longitud de una respuesta ni de una línea: si la
// respuesta a una pregunta de número real pasa de `kLargoMaximoNumero`
// caracteres, no se acepta como número, y leer una palabra no guarda más
// bytes que su límite.
//
// El fin de la entrada se trata de dos formas:
// - entero(), real() y palabra() lanzan FinDeEntrada, porque el diálogo no
//   puede seguir sin la respuesta;
// - las lecturas ...OFin() devuelven un std::optional vacío, para los
//   diálogos que siguen adelante sin ella.
class Entrada {
 public:
  // La longitud máxima, en caracteres, de una respuesta que se lee como
  // número real.
  static constexpr std::size_t kLargoMaximoNumero = 4096;

  // Lee las respuestas de `origen` y escribe el aviso de dato no válido en
  // `avisos`. No es dueña de los dos flujos: solo los usa.
  Entrada(std::istream& origen, std::ostream& avisos);
  ~Entrada() = default;

  Entrada(const Entrada&) = delete;
  Entrada& operator=(const Entrada&) = delete;

  // Leen un número y lo devuelven; tras cada respuesta que no es un número,
  // escriben el aviso y leen otra. Lanzan FinDeEntrada al acabarse la
  // entrada.
  int entero();
  float real();

  // Lee una palabra (lo que hay hasta el siguiente espacio o salto de línea)
  // de cualquier longitud y devuelve sus primeros `maximoBytes` bytes; el
  // resto se lee y se descarta. Nunca corta una letra: si el primer byte que
  // queda fuera pertenece a una letra UTF-8 de varios bytes, también deja
  // fuera los bytes de esa letra que ya había guardado. Lanza FinDeEntrada al
  // acabarse la entrada.
  std::string palabra(std::size_t maximoBytes);

  // Las mismas lecturas para un diálogo que sigue adelante sin respuesta:
  // devuelven un optional vacío al acabarse la entrada.
  std::optional<int> enteroOFin();
  std::optional<std::string> palabraOFin(std::size_t maximoBytes);
  // Lee un porcentaje: un número real como en real(), y un '%' pegado detrás
  // forma parte de la respuesta ("10%" es 10).
  std::optional<float> porcentajeOFin();

  // Lee una sola respuesta, sin volver a preguntar: devuelve su número, o un
  // optional vacío si la respuesta no es un número (entonces la descarta con
  // el resto de su línea, sin escribir ningún aviso). Lanza FinDeEntrada al
  // acabarse la entrada. Es la lectura de los menús, que tienen su propio
  // aviso.
  std::optional<int> intentarEntero();

 private:
  // Lo que da un intento de leer un número.
  enum class Intento { kNumero, kNoEsNumero, kFin };

  // Lee una respuesta: si es un número del tipo T, lo guarda en `valor`; si
  // no, la descarta con el resto de su línea.
  template <typename T>
  Intento intentar(T& valor);

  // Lee un número del tipo T, con un aviso tras cada respuesta que no lo es;
  // devuelve un optional vacío al acabarse la entrada.
  template <typename T>
  std::optional<T> numeroOFin();

  std::istream& origen_;
  std::ostream& avisos_;
};

}  // namespace consola

#endif  // CONSOLA_ENTRADA_H_
