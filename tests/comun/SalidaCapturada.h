#ifndef TESTS_COMUN_SALIDACAPTURADA_H_
#define TESTS_COMUN_SALIDACAPTURADA_H_

#include <iostream>
#include <sstream>
#include <string>

// For the unit tests of every program: collects whatever is written to
// std::cout while it lives, and puts the stream's own buffer back when it
// goes. Captures nest as scopes do: an inner one captures until it goes.
class SalidaCapturada {
 public:
  SalidaCapturada() : anterior_(std::cout.rdbuf(captura_.rdbuf())) {}

  SalidaCapturada(const SalidaCapturada&) = delete;
  SalidaCapturada& operator=(const SalidaCapturada&) = delete;

  ~SalidaCapturada() { std::cout.rdbuf(anterior_); }

  // Everything written since the capture began or since the last call.
  std::string texto() {
    std::string escrito = captura_.str();
    captura_.str("");
    return escrito;
  }

 private:
  std::ostringstream captura_;
  std::streambuf* anterior_;
};

#endif  // TESTS_COMUN_SALIDACAPTURADA_H_
