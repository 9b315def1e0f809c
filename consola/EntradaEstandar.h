#ifndef CONSOLA_ENTRADAESTANDAR_H_
#define CONSOLA_ENTRADAESTANDAR_H_

#include <streambuf>
#include <vector>

#include "Sistema.h"

namespace consola {

class SalidaEstandar;

// The one reader of standard input for a session: every byte taken from it
// goes through this buffer, the answers (as std::cin's buffer), the answers
// typed ahead on a terminal before a pause, and the pause's key.
//
// Before a read that has to wait for the system, whatever the program wrote
// goes out (SalidaEstandar::vaciar), so that the user or the program at the
// other end of a pipe sees every prompt before it is waited on.
//
// A UTF-8 byte-order mark at the very start of the input is skipped. The end
// of input is final: once found, every later read finds it again. A read
// that fails throws ErrorDeConsola.
class EntradaEstandar : public std::streambuf {
 public:
  // How the wait for the pause's key ended.
  enum class Tecla {
    kPulsada,  // one key press, all its bytes consumed
    kNinguna,  // the time ran out or a signal came first; nothing was read
    kFin,      // the input ended
  };

  explicit EntradaEstandar(SalidaEstandar& salida);
  ~EntradaEstandar() override = default;

  EntradaEstandar(const EntradaEstandar&) = delete;
  EntradaEstandar& operator=(const EntradaEstandar&) = delete;
  EntradaEstandar(EntradaEstandar&&) = delete;
  EntradaEstandar& operator=(EntradaEstandar&&) = delete;

  // For the layer's own pause of a terminal.
  //
  // adelantar() takes every byte that standard input hands over without
  // waiting and keeps it, after the unread ones, for the reads to come: what
  // the user typed ahead. It stops at an end of input, which then comes
  // after those bytes, and drops what was typed after that end.
  //
  // esperarTecla() waits at most `esperaMs` milliseconds for one new key
  // press on a terminal in key mode and consumes all of its bytes: an escape
  // sequence (an arrow, a function key, Alt with a key) or a multibyte
  // character counts as one press. The key is not kept for the reads.
  void adelantar();
  Tecla esperarTecla(int esperaMs);

 protected:
  int_type underflow() override;

 private:
  // Appends one read's worth of input to the unread bytes, waiting for it if
  // none is there. False at the end of input.
  bool leer();

  // Takes in what one read of the system gave: throws ErrorDeConsola for an
  // error, marks the end of input. True when bytes came.
  bool aceptar(const sistema::Lectura& lectura);

  // One byte of a key, waiting at most `esperaMs` for it.
  bool leerByte(unsigned char& byte, int esperaMs);
  void descartarContinuacion(unsigned char primero);
  void descartarSecuencia();

  // Skips the byte-order mark once enough bytes have come to tell whether
  // the input starts with one.
  void decidirMarca();

  // Points the get area at the unread bytes; none are handed out while the
  // start of the input is still undecided.
  void mostrar(std::size_t desde);

  // Read from standard input; the get area lies within. Holds one block,
  // or, after a pause, what the user typed ahead.
  std::vector<char> datos_;
  // The input has ended.
  bool fin_;
  // The first bytes of the input have not yet been checked for the mark.
  bool alPrincipio_;
  SalidaEstandar& salida_;
};

}  // namespace consola

#endif  // CONSOLA_ENTRADAESTANDAR_H_
