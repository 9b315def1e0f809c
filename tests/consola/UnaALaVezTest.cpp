// Una sola sesión y un solo modo tecla a la vez: crear un segundo mientras
// vive el primero detiene el programa con una aserción. Uno tras otro, en
// cambio, se crean tantos como haga falta.

#include <gtest/gtest.h>

#include "Sistema.h"
#include "consola/Sesion.h"

namespace {

using consola::Sesion;
using consola::sistema::ModoTecla;

// Un descriptor que no es un terminal: el modo tecla no lo toca.
constexpr int kNoEsTerminal = -1;

TEST(UnaALaVez, UnaSegundaSesionDetieneElPrograma) {
  EXPECT_DEATH(
      {
        const Sesion primera("primera");
        const Sesion segunda("segunda");
      },
      "una Sesion a la vez");
}

TEST(UnaALaVez, UnSegundoModoTeclaDetieneElPrograma) {
  EXPECT_DEATH(
      {
        const ModoTecla primero(kNoEsTerminal);
        const ModoTecla segundo(kNoEsTerminal);
      },
      "un ModoTecla a la vez");
}

TEST(UnaALaVez, UnoTrasOtro) {
  for (int vez = 0; vez < 2; ++vez) {
    const Sesion sesion("prueba");
    const ModoTecla modo(kNoEsTerminal);
  }
}

}  // namespace
