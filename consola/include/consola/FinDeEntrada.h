#ifndef CONSOLA_FINDEENTRADA_H_
#define CONSOLA_FINDEENTRADA_H_

namespace consola {

// Thrown by the reads of Entrada that must produce a value when standard
// input has ended. It carries nothing: it only unwinds the dialogue, so that
// whatever the half-answered action would have done is not done, and every
// object of the dialogue is destroyed on the way out, up to the program's
// main, which ends its session there (Sesion::terminarAlFinDeEntrada).
class FinDeEntrada {};

}  // namespace consola

#endif  // CONSOLA_FINDEENTRADA_H_
