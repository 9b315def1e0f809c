// A console session on files: how each ending leaves the output and the
// status, and what the one reader of standard input makes of its start.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>

#include "DescriptorEnFichero.h"
#include "consola/Sesion.h"

namespace {

enum class Final { kNormal, kFinDeEntrada, kErrorDeEntrada };

struct Caso {
  const char* nombre;
  const char* entrada;
  Final final;
  const char* salida;   // all of standard output
  const char* errores;  // all of standard error
  int estado;
};

// Reads the numbers of `entrada`, writing each after "menu", and ends the
// session as the case says.
TEST(Sesion, CadaFinalDejaSuSalidaYSuEstado) {
  const Caso casos[] = {
      {"normal", "1 2", Final::kNormal, "menu 1 2", "", 0},
      {"fin de entrada", "", Final::kFinDeEntrada, "menu\n", "", 0},
      {"error", "", Final::kErrorDeEntrada, "menu",
       "prueba: no se puede leer la entrada: Input/output error\n", 1},
      {"marca de orden saltada",
       "\xEF\xBB\xBF"
       "7",
       Final::kNormal, "menu 7", "", 0},
      {"marca cortada", "\xEF\xBB", Final::kNormal, "menu", "", 0},
      {"marca sola", "\xEF\xBB\xBF", Final::kNormal, "menu", "", 0},
      {"no es marca",
       "\xEF\xBB"
       "7",
       Final::kNormal, "menu", "", 0},
      {"marca fuera del principio",
       "7 \xEF\xBB\xBF"
       "8",
       Final::kNormal, "menu 7", "", 0},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    int estado = -1;
    std::string salida;
    std::string errores;
    std::fflush(stdout);
    std::fflush(stderr);
    {
      // The test's own reports wait until the descriptors are back.
      DescriptorEnFichero entrada(STDIN_FILENO, caso.entrada);
      DescriptorEnFichero enSalida(STDOUT_FILENO, "");
      DescriptorEnFichero enErrores(STDERR_FILENO, "");
      {
        consola::Sesion sesion("prueba");
        std::cout << "menu";
        int numero = 0;
        while (std::cin >> numero) {
          std::cout << ' ' << numero;
        }
        switch (caso.final) {
          case Final::kNormal:
            estado = sesion.terminar();
            break;
          case Final::kFinDeEntrada:
            estado = sesion.terminarAlFinDeEntrada();
            break;
          case Final::kErrorDeEntrada:
            estado = sesion.terminarConError(consola::ErrorDeConsola(
                consola::ErrorDeConsola::Flujo::kEntrada, EIO));
            break;
        }
      }
      salida = enSalida.contenido();
      errores = enErrores.contenido();
    }
    EXPECT_EQ(estado, caso.estado);
    EXPECT_EQ(salida, caso.salida);
    EXPECT_EQ(errores, caso.errores);
  }
}

}  // namespace
