#ifndef CONSOLA_ENTRADA_H_
#define CONSOLA_ENTRADA_H_

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace consola {

// Lee las respuestas del usuario con la extracción con formato del flujo: se
// saltan los blancos y saltos de línea de delante, y lo que sigue a una
// respuesta en su línea queda para la lectura siguiente.
//
// Cuando una lectura de número no encuentra número (una palabra, un signo
// solo, un valor fuera del rango del tipo), escribe "Dato no valido,
// introduce un numero: ", limpia el estado de error del flujo, descarta el
// resto de esa línea y lee otra vez: una errata nunca deja el flujo atascado.
//
// Los números reales se leen como se escriben en España: una coma seguida de
// una cifra es el punto decimal ("2,5" y "2.5" valen 2.5, ",5" vale 0.5);
// cualquier otra coma termina el número y queda para la lectura siguiente.
// Los enteros no admiten coma.
//
// La memoria no crece con el largo de una respuesta ni de una línea: una
// lectura de número guarda a lo sumo unos pocos KiB (una respuesta real de
// más de kLargoMaximoNumero caracteres no cuenta como número), y una palabra
// no guarda más que su límite de bytes.
//
// El fin de la entrada, de dos formas:
// - entero(), real() y palabra() lanzan FinDeEntrada: el diálogo no puede
//   seguir sin la respuesta;
// - las lecturas ...OFin() devuelven un std::optional vacío: para los
//   diálogos que siguen adelante sin ella.
//
// Una Entrada solo se refiere a sus dos flujos; no es dueña de nada. Una coma
// que termina un número real se mira y se devuelve al búfer, así que el
// búfer debe aceptar la devolución de un carácter tras una lectura, como
// hacen los búferes de fichero estándar.
class Entrada {
 public:
  // La respuesta real más larga, en caracteres, que se lee como número.
  static constexpr std::size_t kLargoMaximoNumero = 4096;

  // Las respuestas se leen de `origen`; el aviso de dato no válido va a
  // `avisos`.
  Entrada(std::istream& origen, std::ostream& avisos);
  ~Entrada() = default;

  Entrada(const Entrada&) = delete;
  Entrada& operator=(const Entrada&) = delete;

  // Un número, preguntando otra vez tras cada respuesta que no lo es. Lanzan
  // FinDeEntrada al acabarse la entrada.
  int entero();
  float real();

  // Una palabra (lo que hay hasta el siguiente blanco) de cualquier largo, de
  // la que se guardan los primeros `maximoBytes` bytes; el resto se lee y se
  // tira, sin guardarlo. Nunca se corta una letra UTF-8: si el primer byte que
  // se queda fuera continúa una letra, también se dejan fuera los bytes de
  // esa letra ya guardados. Lanza FinDeEntrada al acabarse la entrada.
  std::string palabra(std::size_t maximoBytes);

  // Las mismas lecturas para un diálogo que sigue sin respuesta: vacías al
  // acabarse la entrada.
  std::optional<int> enteroOFin();
  std::optional<std::string> palabraOFin(std::size_t maximoBytes);
  // Un porcentaje: un número real como en real(), y un '%' pegado detrás
  // forma parte de la respuesta ("10%" es 10).
  std::optional<float> porcentajeOFin();

 private:
  // Un número del tipo T, o vacío al acabarse la entrada.
  template <typename T>
  std::optional<T> numeroOFin();

  // La extracción de un número, ya saltados los blancos de delante. Falso
  // cuando no lo hay; el flujo puede quedar en estado de error.
  bool extraer(int& valor);
  bool extraer(float& valor);

  std::istream& origen_;
  std::ostream& avisos_;
};

}  // namespace consola

#endif  // CONSOLA_ENTRADA_H_
