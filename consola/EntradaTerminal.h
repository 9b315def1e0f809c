#ifndef CONSOLA_ENTRADATERMINAL_H_
#define CONSOLA_ENTRADATERMINAL_H_

#include <streambuf>
#include <string>

namespace consola {

// While alive, and only when standard input is a terminal, std::cin reads
// the terminal through this buffer instead of through C's stdin, so that the
// console layer knows what the program has taken from the terminal and not
// used yet.
//
// The pause relies on it: before it waits for a new key, it moves the
// answers that the user typed ahead, still waiting in the terminal, to the
// end of this buffer (adelantar). They then neither release the pause nor
// get lost: the next reads find them, in the order they were typed.
//
// POSIX only; elsewhere it changes nothing. At most one exists at a time.
class EntradaTerminal : public std::streambuf {
 public:
  EntradaTerminal();
  ~EntradaTerminal() override;

  EntradaTerminal(const EntradaTerminal&) = delete;
  EntradaTerminal& operator=(const EntradaTerminal&) = delete;
  EntradaTerminal(EntradaTerminal&&) = delete;
  EntradaTerminal& operator=(EntradaTerminal&&) = delete;

  // The one standing in for std::cin's buffer, or null.
  static EntradaTerminal* activa();

  // Moves every byte that the terminal can hand over at once to the end of
  // the buffer, without waiting for more.
  void adelantar();

 protected:
  int_type underflow() override;

 private:
  // Appends one read's worth from the terminal; waits for it only when
  // `esperar`. False when nothing came.
  bool leer(bool esperar);

  // Bytes taken from the terminal; the get area is their unread end.
  std::string datos_;
  // The terminal reported end of input while answers were being moved: the
  // reads end there once the buffer is used up.
  bool fin_;
  // std::cin's own buffer while this one stands in; null when unchanged.
  std::streambuf* anterior_;
};

}  // namespace consola

#endif  // CONSOLA_ENTRADATERMINAL_H_
