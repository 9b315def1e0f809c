#ifndef CONSOLA_PANTALLA_H_
#define CONSOLA_PANTALLA_H_

namespace consola {

// The two screen controls of the dialogues, on standard output and input.
//
// On Windows they are the command interpreter's own "cls" and "pause".
// Elsewhere no process is started: whether standard input and output are
// terminals is looked up once, at the first call, and decides what is done.

// Clears the screen. On a terminal: cursor home, clear the screen, clear the
// scrollback. On a pipe or a file: one form feed, which keeps every screen
// boundary visible in a saved transcript.
void limpiarPantalla();

// Writes "Presione una tecla para continuar . . . ", waits for one key press
// when standard input is a terminal (never when it is not), then ends the
// line. The key is read straight from the terminal, so neither a line end
// left in the input stream nor the key itself reaches a later read.
void pausar();

}  // namespace consola

#endif  // CONSOLA_PANTALLA_H_
