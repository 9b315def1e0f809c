#ifndef TESTS_COMUN_SALIDACAPTURADA_H_
#define TESTS_COMUN_SALIDACAPTURADA_H_

#include <iostream>
#include <sstream>
#include <string>

// Para las pruebas unitarias de todos los programas: recoge lo que se
// escribe en std::cout mientras vive, y devuelve al flujo su búfer al
// desaparecer. Las capturas se anidan como los ámbitos: la interior captura
// hasta que desaparece.
class SalidaCapturada {
 public:
  SalidaCapturada() : anterior_(std::cout.rdbuf(captura_.rdbuf())) {}

  SalidaCapturada(const SalidaCapturada&) = delete;
  SalidaCapturada& operator=(const SalidaCapturada&) = delete;

  ~SalidaCapturada() { std::cout.rdbuf(anterior_); }

  // Todo lo escrito desde que empezó la captura o desde la última llamada.
  std::string texto() {
    std::string escrito = captura_.str();
    captura_.str("");
    return escrito;
  }

 private:
  std::ostringstream captura_;  // adonde va lo escrito
  std::streambuf* anterior_;    // el búfer que tenía std::cout
};

#endif  // TESTS_COMUN_SALIDACAPTURADA_H_
