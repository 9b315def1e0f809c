#ifndef CONSOLA_SALIDADIFERIDA_H_
#define CONSOLA_SALIDADIFERIDA_H_

#include <streambuf>

namespace consola {

// While alive, and only when nobody can be watching the dialogue as it goes,
// stops the flushes of standard output (every line end, every prompt) from
// reaching the system one by one: std::cout then writes into C's stdout,
// whose buffer goes out when it fills and at exit.
//
// Nobody can be watching when standard output is not a terminal and standard
// input is a regular file: such input never makes the program wait, so no
// answer can depend on having seen a prompt. With a terminal or a pipe at
// either end, nothing changes and every flush goes out at once. The bytes
// written are the same either way; only the number of system calls differs.
//
// POSIX only; elsewhere it changes nothing. At most one exists at a time.
class SalidaDiferida {
 public:
  SalidaDiferida();
  ~SalidaDiferida();

  SalidaDiferida(const SalidaDiferida&) = delete;
  SalidaDiferida& operator=(const SalidaDiferida&) = delete;

  // Whether output to `salida` may wait, given input from `entrada`.
  static bool diferible(int entrada, int salida);

 private:
  // Hands every character to C's stdout and ignores the flushes.
  class Bufer : public std::streambuf {
   protected:
    int_type overflow(int_type caracter) override;
    std::streamsize xsputn(const char* texto, std::streamsize cuantos) override;
    int sync() override;
  };

  Bufer bufer_;
  // std::cout's own buffer while this one stands in; null when unchanged.
  std::streambuf* anterior_;
};

}  // namespace consola

#endif  // CONSOLA_SALIDADIFERIDA_H_
