#ifndef TESTS_CONSOLA_TERMINALDEPRUEBA_H_
#define TESTS_CONSOLA_TERMINALDEPRUEBA_H_

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <vector>

// Runs one program on a pseudo-terminal of its own, the way an interactive
// shell runs a foreground job: the terminal is the controlling terminal of a
// new session, and the program runs in a process group of its own that owns
// the terminal's foreground. The session leader is a small keeper process,
// the program's parent, that stays in the session for the whole run: it keeps
// the program's group from being orphaned (so that Ctrl+Z really stops it)
// and passes each stop and the final status of the program back to the test.
//
// The test types on the terminal's master side, reads what the program
// writes, and reads the terminal's mode on the slave side, which it keeps
// open for the whole run. Every wait is bounded. On destruction the program
// and its keeper are killed if they are still alive.
class TerminalDePrueba {
 public:
  // How long a wait for something that must happen may take.
  static constexpr int kEsperaMs = 5000;

  // Opens a terminal in mode `modo`, or in the system's default mode;
  // `abierta()` tells whether it worked.
  explicit TerminalDePrueba(const termios& modo) : TerminalDePrueba(&modo) {}
  TerminalDePrueba() : TerminalDePrueba(nullptr) {}
  ~TerminalDePrueba();

  TerminalDePrueba(const TerminalDePrueba&) = delete;
  TerminalDePrueba& operator=(const TerminalDePrueba&) = delete;

  bool abierta() const { return maestro_ >= 0; }

  // Starts `argumentos[0]` with those arguments, standard input, output and
  // error on the terminal and every signal at its default action. Once only.
  bool lanzar(const std::vector<std::string>& argumentos);

  // Writes `bytes` on the master side, as if typed.
  void teclear(const std::string& bytes);

  // Sends `senal` to the program.
  void enviarSenal(int senal);

  // Reads what the program writes until all of it so far, from position
  // `desde` on, contains `texto`. False if that takes longer than `esperaMs`.
  bool esperarSalida(const std::string& texto, int esperaMs = kEsperaMs,
                     size_t desde = 0);

  // Reads what the program writes during `esperaMs`.
  void recogerSalida(int esperaMs);

  // All the terminal has shown so far: the program's output and the echo.
  const std::string& salida() const { return salida_; }

  // The terminal's mode now.
  termios modo() const;

  // Waits until the terminal leaves line mode (`sinLineas`) or goes back to
  // it: the ICANON flag is what tells a key mode from the normal one.
  bool esperarModo(bool sinLineas, int esperaMs = kEsperaMs);

  // Waits for the next change of the program's state: a stop or its end,
  // as waitpid reports them. False if none comes within `esperaMs`.
  bool esperarEstado(int& estado, int esperaMs = kEsperaMs);

 private:
  // Opens the terminal in mode `*modo`, or in the default one if null.
  explicit TerminalDePrueba(const termios* modo);

  // Runs in the keeper after the fork; never returns.
  [[noreturn]] void guardar(const std::vector<char*>& argv, int avisos);

  // Appends to `salida_` what the master side gives within `esperaMs`, in
  // one read. False if nothing came.
  bool leerMaestro(int esperaMs);

  int maestro_;  // the master side, where the test types and reads
  int esclavo_;  // the slave side, kept open to read the mode at any time
  int estados_;  // read end of the pipe the keeper reports states on

  pid_t guardian_;  // the keeper, the test's child; -1 before `lanzar`
  pid_t programa_;  // the program, the keeper's child; -1 until reported
  bool terminado_;  // the program's end has been reported

  std::string salida_;
};

#endif  // TESTS_CONSOLA_TERMINALDEPRUEBA_H_
