#ifndef CONSOLA_ENTRADA_H_
#define CONSOLA_ENTRADA_H_

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
// Two families of reads: the leer* ones report end of input by returning
// false, for dialogues that go on without the answer; the others throw
// FinDeEntrada, for dialogues that end there.
//
// An Entrada only refers to its two streams; it owns nothing and can be made
// wherever a dialogue needs one.
class Entrada {
 public:
  // The prompts for a new number after a bad one go to `salida`.
  Entrada(std::istream& entrada, std::ostream& salida);
  ~Entrada() = default;

  Entrada(const Entrada&) = delete;
  Entrada& operator=(const Entrada&) = delete;

  // Reads a number, asking again with "Dato no valido, introduce un numero: "
  // after every answer that is not one. False at end of input.
  bool leerEntero(int& valor);
  bool leerReal(float& valor);

  // Reads one whitespace-delimited word of any length. False at end of input.
  bool leerPalabra(std::string& palabra);

  // The same reads, throwing FinDeEntrada at end of input.
  int entero();
  float real();
  std::string palabra();

  // Reads a menu option. An answer that is not a number is discarded with the
  // rest of its line and gives no value, so that the caller answers it with
  // its own range message. Throws FinDeEntrada at end of input.
  std::optional<int> opcion();

 private:
  // One attempt at a number. Returns true with the value, or false after
  // discarding a bad answer; throws nothing. `fin` tells end of input apart.
  template <typename T>
  bool intentar(T& valor, bool& fin);

  template <typename T>
  bool leerNumero(T& valor);

  std::istream& entrada_;
  std::ostream& salida_;
};

}  // namespace consola

#endif  // CONSOLA_ENTRADA_H_
