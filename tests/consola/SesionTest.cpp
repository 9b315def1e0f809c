// Una sesión de consola sobre ficheros: cómo deja cada final la salida y el
// estado, y qué hace el único lector de la entrada estándar con su principio.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>

#include "DescriptorEnFichero.h"
#include "consola/Sesion.h"

namespace {

// Cómo acaba el diálogo de prueba.
enum class Final {
  kNormal,          // llega a su final
  kFinDeEntrada,    // pide una respuesta más y la entrada se ha acabado
  kErrorDeEntrada,  // no puede leer la entrada
  kErrorDeSalida,   // no puede escribir en la salida
};

struct Caso {
  const char* nombre;
  const char* entrada;
  Final final;
  const char* salida;   // toda la salida estándar
  const char* errores;  // toda la salida de errores
  int estado;
};

// Lo que hace el diálogo de prueba tras leer sus números.
void acabar(consola::Sesion& sesion, Final final) {
  switch (final) {
    case Final::kNormal:
      break;
    case Final::kFinDeEntrada:
      static_cast<void>(sesion.respuestas().entero());
      break;
    case Final::kErrorDeEntrada:
      throw consola::ErrorDeConsola(consola::ErrorDeConsola::Flujo::kEntrada,
                                    EIO);
    case Final::kErrorDeSalida:
      throw consola::ErrorDeConsola(consola::ErrorDeConsola::Flujo::kSalida,
                                    ENOSPC);
  }
}

// Un diálogo que lee los números de `entrada`, escribe cada uno tras "menu"
// y acaba como dice el caso, con un main de un solo catch: el final normal
// va a terminar() y cualquier FinAnticipado a terminar(fin).
TEST(Sesion, CadaFinalDejaSuSalidaYSuEstado) {
  const Caso casos[] = {
      {"normal", "1 2", Final::kNormal, "menu 1 2", "", 0},
      {"fin de entrada", "", Final::kFinDeEntrada, "menu\n", "", 0},
      {"fin de entrada tras respuestas", "1 2\n", Final::kFinDeEntrada,
       "menu 1 2\n", "", 0},
      {"error de entrada", "", Final::kErrorDeEntrada, "menu",
       "prueba: no se puede leer la entrada: Input/output error\n", 1},
      {"error de salida", "3", Final::kErrorDeSalida, "menu 3",
       "prueba: no se puede escribir en la salida: No space left on device\n",
       1},
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
      // Los informes de la propia prueba esperan a que vuelvan los
      // descriptores.
      DescriptorEnFichero entrada(STDIN_FILENO, caso.entrada);
      DescriptorEnFichero enSalida(STDOUT_FILENO, "");
      DescriptorEnFichero enErrores(STDERR_FILENO, "");
      {
        consola::Sesion sesion("prueba");
        try {
          std::cout << "menu";
          int numero = 0;
          while (std::cin >> numero) {
            std::cout << ' ' << numero;
          }
          acabar(sesion, caso.final);
          estado = sesion.terminar();
        } catch (const consola::FinAnticipado& fin) {
          estado = sesion.terminar(fin);
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
