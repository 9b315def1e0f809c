#include "SalidaDiferida.h"

#include <cstdio>
#include <iostream>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace consola {

SalidaDiferida::SalidaDiferida() : anterior_(nullptr) {
#ifndef _WIN32
  if (diferible(STDIN_FILENO, STDOUT_FILENO)) {
    std::cout.flush();
    anterior_ = std::cout.rdbuf(&bufer_);
  }
#endif
}

SalidaDiferida::~SalidaDiferida() {
  if (anterior_ != nullptr) {
    std::cout.rdbuf(anterior_);
    static_cast<void>(std::fflush(stdout));
  }
}

bool SalidaDiferida::diferible(int entrada, int salida) {
#ifdef _WIN32
  static_cast<void>(entrada);
  static_cast<void>(salida);
  return false;
#else
  struct stat datos {};
  return isatty(salida) == 0 && fstat(entrada, &datos) == 0 &&
         S_ISREG(datos.st_mode);
#endif
}

SalidaDiferida::Bufer::int_type SalidaDiferida::Bufer::overflow(
    int_type caracter) {
  if (traits_type::eq_int_type(caracter, traits_type::eof())) {
    return traits_type::not_eof(caracter);
  }
  return std::fputc(traits_type::to_char_type(caracter), stdout) == EOF
             ? traits_type::eof()
             : caracter;
}

std::streamsize SalidaDiferida::Bufer::xsputn(const char* texto,
                                              std::streamsize cuantos) {
  return static_cast<std::streamsize>(
      std::fwrite(texto, 1, static_cast<std::size_t>(cuantos), stdout));
}

int SalidaDiferida::Bufer::sync() { return 0; }

}  // namespace consola
