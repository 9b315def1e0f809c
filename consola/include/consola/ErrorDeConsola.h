#ifndef CONSOLA_ERRORDECONSOLA_H_
#define CONSOLA_ERRORDECONSOLA_H_

namespace consola {

// Thrown when standard input cannot be read or standard output cannot be
// written (a closed descriptor, a directory as input, a full disk, a pipe
// whose reader has gone). Like FinDeEntrada it only unwinds the dialogue, up
// to the program's main, which ends the session with the error: the program
// cannot go on talking to a user it cannot hear or reach.
class ErrorDeConsola {
 public:
  enum class Flujo { kEntrada, kSalida };

  // `codigo` is the system's error number.
  ErrorDeConsola(Flujo flujo, int codigo) : flujo_(flujo), codigo_(codigo) {}

  Flujo flujo() const { return flujo_; }
  int codigo() const { return codigo_; }

 private:
  Flujo flujo_;
  int codigo_;
};

}  // namespace consola

#endif  // CONSOLA_ERRORDECONSOLA_H_
