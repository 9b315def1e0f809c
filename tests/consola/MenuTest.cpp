// La lectura de la opción de un menú, sobre una sesión con ficheros por
// entrada y salida: lo que devuelve y lo que escribe en la pantalla (el
// borrado es un salto de página, '\f').

#include "consola/Menu.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>

#include "DescriptorEnFichero.h"
#include "consola/Sesion.h"

namespace {

enum class Opcion { kUno = 1, kDos, kTres, kCuatro };

constexpr const char* kAviso = "Numero erroneo: ";

struct Caso {
  const char* entrada;
  std::optional<Opcion> opcion;  // vacía: FinDeEntrada
  std::string salida;
};

// Lee una opción del 1 al 4 con las respuestas de `caso.entrada`.
std::optional<Opcion> elegir(const Caso& caso, std::string& salida) {
  std::optional<Opcion> opcion;
  std::fflush(stdout);  // los informes de la prueba, antes del cambio
  DescriptorEnFichero entrada(STDIN_FILENO, caso.entrada);
  DescriptorEnFichero enSalida(STDOUT_FILENO, "");
  {
    consola::Sesion sesion("prueba");
    try {
      opcion =
          consola::leerOpcionYLimpiarPantalla(sesion, Opcion::kCuatro, kAviso);
    } catch (const consola::FinDeEntrada&) {
    }
    static_cast<void>(sesion.terminar());
  }
  salida = enSalida.contenido();
  return opcion;
}

TEST(Menu, LeeHastaUnaOpcionEnRangoYBorraUnaVez) {
  const std::string aviso = kAviso;
  const Caso casos[] = {
      {"3\n", Opcion::kTres, "\f"},
      {"  \n 4 9\n", Opcion::kCuatro, "\f"},
      // Fuera de rango: el aviso tal cual, sin menú ni borrado otra vez.
      {"0\n5\n-2\n1\n", Opcion::kUno, "\f" + aviso + aviso + aviso},
      // Lo que no es número cuenta como fuera de rango, y se va con el resto
      // de su línea: el 2 de "abc 2" no se lee.
      {"abc 2\n99999999999\n3\n", Opcion::kTres, "\f" + aviso + aviso},
      {"12abc\n1\n", Opcion::kUno, "\f" + aviso + aviso},
      // El fin de la entrada en la primera respuesta no borra la pantalla;
      // más tarde, deja lo que ya se había escrito.
      {"", std::nullopt, ""},
      {" \n\n", std::nullopt, ""},
      {"9\n", std::nullopt, "\f" + aviso},
      // Una respuesta cortada por el fin sigue siendo una respuesta.
      {"  +", std::nullopt, "\f" + aviso},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.entrada);
    std::string salida;
    EXPECT_EQ(elegir(caso, salida), caso.opcion);
    EXPECT_EQ(salida, caso.salida);
  }
}

}  // namespace
