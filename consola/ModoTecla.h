#ifndef CONSOLA_MODOTECLA_H_
#define CONSOLA_MODOTECLA_H_

namespace consola {

// While alive, keeps a terminal in the mode that one key press is read in:
// no line buffering and no echo, with Ctrl+C and Ctrl+Z still sending their
// signals. It reads nothing itself; the key is read by EntradaEstandar.
//
// The terminal gets back exactly the mode it had on every way out:
// destruction, exit(), and the signals that end or stop the program
// (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP). A terminating signal is then
// raised again with its default action, so the program dies of it as usual;
// after a stop and a continue, the key mode is set again and reanudado()
// tells so.
//
// POSIX only. At most one ModoTecla exists at a time.
class ModoTecla {
 public:
  // Does nothing to `descriptor` if it is not a terminal.
  explicit ModoTecla(int descriptor);
  ~ModoTecla();

  ModoTecla(const ModoTecla&) = delete;
  ModoTecla& operator=(const ModoTecla&) = delete;

  // Whether the program was stopped and continued since the key mode was set
  // or since the last call.
  bool reanudado();

 private:
  // False when the descriptor was no terminal and nothing was changed.
  bool activo_;
};

}  // namespace consola

#endif  // CONSOLA_MODOTECLA_H_
