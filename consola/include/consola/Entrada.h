#ifndef CONSOLA_ENTRADA_H_
#define CONSOLA_ENTRADA_H_

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace consola {

// Reads the user's answers from an input stream with the stream's formatted
// extraction: leading blanks and line ends are skipped, and whatever follows
// an answer on its line stays for the next read.
//
// When a number read finds no number (a word, a lone sign, a value outside
// the type's range), the stream's error state is cleared and the rest of that
// line is discarded, so that a typo never leaves the stream failed.
//
// Real numbers are read as a Spanish user writes them: a comma followed by a
// digit is the decimal point ("2,5" and "2.5" are both 2.5, ",5" is 0.5); any
// other comma ends the number and stays for the next read. Integers take no
// comma.
//
// Memory stays small whatever the length of an answer or a line: a number
// read holds at most a few KiB of it (a real number answer longer than
// kLargoMaximoNumero characters counts as no number), and a word read holds
// no more than its byte limit.
//
// Two families of reads: the leer* ones report end of input by returning
// false, for dialogues that go on without the answer; the others throw
// FinDeEntrada, for dialogues that end there.
//
// An Entrada only refers to its two streams; it owns nothing and can be made
// wherever a dialogue needs one. A comma that ends a real number is looked
// past and put back, so the input's buffer must take one character back
// after a read, as the standard file buffers do.
class Entrada {
 public:
  // The longest real number answer, in characters, that is read as one.
  static constexpr std::size_t kLargoMaximoNumero = 4096;

  // The prompts for a new number after a bad one go to `salida`.
  Entrada(std::istream& entrada, std::ostream& salida);
  ~Entrada() = default;

  Entrada(const Entrada&) = delete;
  Entrada& operator=(const Entrada&) = delete;

  // Reads a number, asking again with "Dato no valido, introduce un numero: "
  // after every answer that is not one. False at end of input.
  bool leerEntero(int& valor);
  bool leerReal(float& valor);

  // Reads a percentage: a real number as leerReal() does, and a '%' right
  // after it is part of the answer ("10%" is 10). False at end of input.
  bool leerPorcentaje(float& valor);

  // Reads one whitespace-delimited word of any length and keeps its first
  // `maximoBytes` bytes; the rest of it is read and dropped, never held. A
  // UTF-8 letter is never cut: when the first byte left out continues a
  // letter, the bytes of that letter already kept are left out too. False at
  // end of input.
  bool leerPalabra(std::string& palabra, std::size_t maximoBytes);

  // The same reads, throwing FinDeEntrada at end of input.
  int entero();
  float real();
  std::string palabra(std::size_t maximoBytes);

  // Reads a menu option. An answer that is not a number is discarded with the
  // rest of its line and gives no value, so that the caller answers it with
  // its own range message. Throws FinDeEntrada at end of input.
  std::optional<int> opcion();

 private:
  // What one attempt at a number found.
  enum class Intento {
    kValor,   // a number, now in `valor`
    kErrata,  // no number; the rest of its line has been discarded
    kFin,     // the end of input
  };

  // One attempt at a number; throws nothing of its own.
  template <typename T>
  Intento intentar(T& valor);

  template <typename T>
  bool leerNumero(T& valor);

  // The extraction of one number once the blanks before it are skipped.
  // False when there is none; the stream may be left failed.
  bool extraer(int& valor);
  bool extraer(float& valor);

  std::istream& entrada_;
  std::ostream& salida_;
};

}  // namespace consola

#endif  // CONSOLA_ENTRADA_H_
