#include "SalidaDiferida.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// The kinds of descriptor a program can be given at either end.
enum class Tipo { kFichero, kTuberia, kTerminal, kDispositivo };

// Opens one descriptor of the given kind; closed on destruction.
class Extremo {
 public:
  explicit Extremo(Tipo tipo) {
    switch (tipo) {
      case Tipo::kFichero: {
        std::FILE* fichero = std::tmpfile();
        descriptor_ = dup(fileno(fichero));
        static_cast<void>(std::fclose(fichero));
        break;
      }
      case Tipo::kTuberia: {
        int extremos[2];
        if (pipe(extremos) == 0) {
          descriptor_ = extremos[0];
          otro_ = extremos[1];
        }
        break;
      }
      case Tipo::kTerminal:
        otro_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (otro_ >= 0 && grantpt(otro_) == 0 && unlockpt(otro_) == 0) {
          descriptor_ = open(ptsname(otro_), O_RDWR | O_NOCTTY);
        }
        break;
      case Tipo::kDispositivo:
        descriptor_ = open("/dev/null", O_RDWR);
        break;
    }
  }
  ~Extremo() {
    if (descriptor_ >= 0) close(descriptor_);
    if (otro_ >= 0) close(otro_);
  }
  Extremo(const Extremo&) = delete;
  Extremo& operator=(const Extremo&) = delete;

  int descriptor() const { return descriptor_; }

 private:
  int descriptor_ = -1;
  int otro_ = -1;  // the far end of a pipe or the master of a terminal
};

struct CasoDiferible {
  Tipo entrada;
  Tipo salida;
  bool diferible;
};

TEST(SalidaDiferida, SoloCuandoNadiePuedeEstarMirando) {
  const CasoDiferible casos[] = {
      {Tipo::kFichero, Tipo::kDispositivo, true},  // a saved session
      {Tipo::kFichero, Tipo::kFichero, true},
      {Tipo::kFichero, Tipo::kTuberia, true},
      {Tipo::kFichero, Tipo::kTerminal, false},  // a person reads it
      {Tipo::kTuberia, Tipo::kTuberia, false},   // a driver waits for prompts
      {Tipo::kTuberia, Tipo::kFichero, false},
      {Tipo::kTerminal, Tipo::kFichero, false},  // a person answers
      {Tipo::kTerminal, Tipo::kTerminal, false},
      {Tipo::kDispositivo, Tipo::kFichero, false},
  };
  for (const CasoDiferible& caso : casos) {
    const Extremo entrada(caso.entrada);
    const Extremo salida(caso.salida);
    ASSERT_GE(entrada.descriptor(), 0);
    ASSERT_GE(salida.descriptor(), 0);
    EXPECT_EQ(consola::SalidaDiferida::diferible(entrada.descriptor(),
                                                 salida.descriptor()),
              caso.diferible)
        << "entrada " << static_cast<int>(caso.entrada) << ", salida "
        << static_cast<int>(caso.salida);
  }
}

TEST(SalidaDiferida, SinDescriptorNoDifiere) {
  EXPECT_FALSE(consola::SalidaDiferida::diferible(-1, -1));
}

}  // namespace
