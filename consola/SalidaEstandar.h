#ifndef CONSOLA_SALIDAESTANDAR_H_
#define CONSOLA_SALIDAESTANDAR_H_

#include <array>
#include <streambuf>

namespace consola {

// The buffer of standard output for a session: holds what the program writes
// until it is about to wait, and then writes it with one system call
// (vaciar). A line end or a flush of the stream writes nothing, so that a
// screen goes out whole; only a full buffer goes out early.
//
// A write that fails throws ErrorDeConsola; from then on the buffer writes
// nothing more and drops what it is given.
class SalidaEstandar : public std::streambuf {
 public:
  SalidaEstandar();
  ~SalidaEstandar() override = default;

  SalidaEstandar(const SalidaEstandar&) = delete;
  SalidaEstandar& operator=(const SalidaEstandar&) = delete;
  SalidaEstandar(SalidaEstandar&&) = delete;
  SalidaEstandar& operator=(SalidaEstandar&&) = delete;

  // Holds `texto` after what the program wrote through its stream.
  void escribir(const char* texto);

  // Writes everything held so far. Throws ErrorDeConsola if that fails.
  void vaciar();

 protected:
  int_type overflow(int_type caracter) override;
  // A flush of the stream: nothing to do until the program waits.
  int sync() override;

 private:
  // Big enough for any screen of these programs: the listings of a growing
  // container are the only thing that can fill it before a wait.
  static constexpr std::size_t kCapacidad = std::size_t{64} * 1024;

  std::array<char, kCapacidad> datos_;
  // A write failed: nothing is written any more.
  bool roto_;
};

}  // namespace consola

#endif  // CONSOLA_SALIDAESTANDAR_H_
