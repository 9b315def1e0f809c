#ifndef CONSOLA_FINDEENTRADA_H_
#define CONSOLA_FINDEENTRADA_H_

namespace consola {

// Thrown by the reads of Entrada that must produce a value when standard
// input has ended. It carries nothing: it only unwinds the dialogue, so that
// whatever the half-answered action would have done is not done, and every
// object of the dialogue is destroyed on the way out.
class FinDeEntrada {};

// Runs a menu dialogue to its end. When standard input ends during it, writes
// one line end (so that the shell's prompt starts on a fresh line) and
// returns normally. Returns the program's exit status, always 0.
int ejecutarDialogo(void (*dialogo)());

}  // namespace consola

#endif  // CONSOLA_FINDEENTRADA_H_
