#ifndef CONSOLA_PANTALLA_H_
#define CONSOLA_PANTALLA_H_

namespace consola {

class EntradaEstandar;
class SalidaEstandar;

// The two screen controls of the dialogues, one implementation per platform:
// on Windows the command interpreter's own "cls" and "pause"
// (PantallaWindows.cpp); elsewhere the layer's own, without starting a
// process (PantallaPosix.cpp). Whether standard input and output are
// terminals is looked up once, at construction.
class Pantalla {
 public:
  Pantalla(EntradaEstandar& entrada, SalidaEstandar& salida);
  ~Pantalla() = default;

  Pantalla(const Pantalla&) = delete;
  Pantalla& operator=(const Pantalla&) = delete;

  // Clears the screen. On a terminal that has cursor control: cursor home,
  // clear the screen, clear the scrollback. On a pipe, a file, or a terminal
  // whose TERM is unset, empty or "dumb": one form feed, which keeps every
  // screen boundary visible in a saved transcript.
  void limpiar();

  // Writes "Presione una tecla para continuar . . . ", waits for one new key
  // press when standard input is a terminal (never when it is not), then
  // ends the line. Answers typed ahead, and an end of input typed ahead, are
  // kept for the reads after the pause; none of them is the key. After a
  // stop and a continue the message is written again on a line of its own.
  void pausar();

 private:
  EntradaEstandar& entrada_;
  SalidaEstandar& salida_;
  // What the POSIX screen controls decide by; on Windows the command
  // interpreter decides, and both stay false.
  //
  // Standard input is a terminal: the pause waits for a key.
  bool esperaTecla_;
  // Standard output is a terminal that understands the clear's sequence.
  bool borraConSecuencia_;
};

}  // namespace consola

#endif  // CONSOLA_PANTALLA_H_
