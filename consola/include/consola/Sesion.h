#ifndef CONSOLA_SESION_H_
#define CONSOLA_SESION_H_

#include <memory>

#include "consola/Entrada.h"
#include "consola/ErrorDeConsola.h"
#include "consola/FinDeEntrada.h"

namespace consola {

// The console of one run of a program, made at the top of its main and alive
// until the program ends. While it lives:
//
// - std::cin reads standard input through the session's own buffer, the one
//   reader of standard input, which the pause shares: answers typed ahead
//   of a pause are kept for the reads after it, and never taken as its key.
// - std::cout writes into the session's buffer, which goes out only when the
//   program is about to wait: before a read that must wait for input, before
//   the pause waits for its key, and when the session ends. A line end or a
//   flush writes nothing by itself, so each screen goes out in one piece;
//   every prompt is out before its answer is waited on.
// - A read or a write that fails throws ErrorDeConsola, and the reads that
//   must give a value throw FinDeEntrada at the end of input. Both unwind
//   the dialogue up to main, which ends the session with the matching
//   terminar* call and returns the status it gives.
//
// At most one session exists at a time; the standard streams get their own
// buffers back when it is destroyed.
class Sesion {
 public:
  // `programa` is the program's name, which starts its error messages.
  explicit Sesion(const char* programa);
  ~Sesion();

  Sesion(const Sesion&) = delete;
  Sesion& operator=(const Sesion&) = delete;

  // The user's answers, read from std::cin; prompts for a new number after a
  // bad one go to std::cout.
  Entrada& entrada();

  // The screen controls (on Windows the command interpreter's "cls" and
  // "pause"). The clear: on a terminal with cursor control, cursor home and
  // clear the screen and its scrollback; otherwise one form feed. The pause:
  // writes "Presione una tecla para continuar . . . ", waits for one new key
  // press when standard input is a terminal, then ends the line.
  void limpiarPantalla();
  void pausar();

  // The endings. Each writes what is left of the output and returns the
  // program's exit status.
  //
  // The dialogue ran to its end: 0.
  int terminar();
  // The input ended in a dialogue that cannot go on without it: one line end
  // first, so that the shell's prompt starts on a fresh line; 0.
  int terminarAlFinDeEntrada();
  // Standard input or output failed: "PROGRAMA: no se puede leer la entrada:
  // MOTIVO" or "PROGRAMA: no se puede escribir en la salida: MOTIVO" on
  // standard error, MOTIVO the system's text for the error; 1.
  int terminarConError(const ErrorDeConsola& error);

 private:
  // The buffers and screen controls behind the standard streams, kept out of
  // this header: only the console layer itself uses them.
  struct Partes;

  // Writes `final` and what is left of the output: 0, or 1 with the message
  // if that fails.
  int terminarCon(const char* final);

  const char* programa_;
  std::unique_ptr<Partes> partes_;
};

}  // namespace consola

#endif  // CONSOLA_SESION_H_
