// Una sesión de consola sobre ficheros: cómo deja cada final la salida y el
// estado, y qué hace el único lector de la entrada estándar con su principio.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
  int codigo;           // el número de error de los dos finales con error
  const char* salida;   // toda la salida estándar
  std::string errores;  // toda la salida de errores
  int estado;
};

// Lo que hace el diálogo de prueba tras leer sus números.
void acabar(consola::Sesion& sesion, const Caso& caso) {
  switch (caso.final) {
    case Final::kNormal:
      break;
    case Final::kFinDeEntrada:
      static_cast<void>(sesion.respuestas().entero());
      break;
    case Final::kErrorDeEntrada:
      throw consola::ErrorDeConsola(
          consola::ErrorDeConsola::Motivo::kErrorDeEntrada, caso.codigo);
    case Final::kErrorDeSalida:
      throw consola::ErrorDeConsola(
          consola::ErrorDeConsola::Motivo::kErrorDeSalida, caso.codigo);
  }
}

constexpr const char* kNoSeLee = "prueba: no se puede leer la entrada: ";
constexpr const char* kNoSeEscribe =
    "prueba: no se puede escribir en la salida: ";

// Un diálogo que lee los números de `entrada`, escribe cada uno tras "menu"
// y acaba como dice el caso, con un main de un solo catch: el final normal
// va a terminar() y cualquier FinAnticipado a terminar(fin).
TEST(Sesion, CadaFinalDejaSuSalidaYSuEstado) {
  const Caso casos[] = {
      {"normal", "1 2", Final::kNormal, 0, "menu 1 2", "", 0},
      {"fin de entrada", "", Final::kFinDeEntrada, 0, "menu\n", "", 0},
      {"fin de entrada tras respuestas", "1 2\n", Final::kFinDeEntrada, 0,
       "menu 1 2\n", "", 0},
      // El motivo va en castellano, sea cual sea el idioma del sistema.
      {"error de entrada", "", Final::kErrorDeEntrada, EIO, "menu",
       kNoSeLee + std::string("Error de entrada/salida\n"), 1},
      {"entrada de una carpeta", "", Final::kErrorDeEntrada, EISDIR, "menu",
       kNoSeLee + std::string("Es una carpeta\n"), 1},
      {"entrada cerrada", "", Final::kErrorDeEntrada, EBADF, "menu",
       kNoSeLee + std::string("Descriptor de fichero no válido\n"), 1},
      {"error de salida", "3", Final::kErrorDeSalida, ENOSPC, "menu 3",
       kNoSeEscribe + std::string("No queda espacio en el dispositivo\n"), 1},
      {"tubería sin lector", "", Final::kErrorDeSalida, EPIPE, "menu",
       kNoSeEscribe + std::string("Tubería rota\n"), 1},
      // Un error fuera de la tabla lleva el texto del sistema.
      {"otro error", "", Final::kErrorDeSalida, ENOMEM, "menu",
       kNoSeEscribe + std::string(std::strerror(ENOMEM)) + "\n", 1},
      {"marca de orden saltada",
       "\xEF\xBB\xBF"
       "7",
       Final::kNormal, 0, "menu 7", "", 0},
      {"marca cortada", "\xEF\xBB", Final::kNormal, 0, "menu", "", 0},
      {"marca sola", "\xEF\xBB\xBF", Final::kNormal, 0, "menu", "", 0},
      {"no es marca",
       "\xEF\xBB"
       "7",
       Final::kNormal, 0, "menu", "", 0},
      {"marca fuera del principio",
       "7 \xEF\xBB\xBF"
       "8",
       Final::kNormal, 0, "menu 7", "", 0},
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
          acabar(sesion, caso);
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
