#ifndef CONSOLA_MENU_H_
#define CONSOLA_MENU_H_

#include <type_traits>

namespace consola {

class Sesion;

// Cómo acaba el aviso de fuera de rango de un menú: el usuario contesta en
// su misma línea, o el aviso ocupa una línea propia.
enum class FinDelAviso { kRespuestaEnSuLinea, kLineaPropia };

namespace detalle {

// La lectura de leerOpcionYLimpiarPantalla, con la opción como número. Los
// programas no la llaman: llaman a la plantilla, con su propio tipo.
int leerNumeroDeOpcion(Sesion& sesion, int ultima, const char* aviso,
                       FinDelAviso finDelAviso);

}  // namespace detalle

// Lee la opción de un menú como la leen todos los menús de estos programas:
// una respuesta, luego se borra la pantalla y, mientras la respuesta no sea
// un número o quede fuera de 1 a `ultima`, se escribe el aviso del menú
// `aviso` tal cual (y un salto de línea si `finDelAviso` lo pide) y se lee
// otra vez. Ni el menú ni el borrado se repiten mientras tanto. Una respuesta
// que no es un número se descarta con el resto de su línea.
//
// `Opcion` es el tipo enumerado de las opciones del programa, numeradas desde
// 1 y con `ultima` como la mayor. Devuelve la opción elegida; lanza
// FinDeEntrada al acabarse la entrada.
template <typename Opcion>
Opcion leerOpcionYLimpiarPantalla(Sesion& sesion, Opcion ultima,
                                  const char* aviso, FinDelAviso finDelAviso) {
  static_assert(std::is_enum<Opcion>::value,
                "las opciones de un menú son un tipo enumerado");
  return static_cast<Opcion>(detalle::leerNumeroDeOpcion(
      sesion, static_cast<int>(ultima), aviso, finDelAviso));
}

}  // namespace consola

#endif  // CONSOLA_MENU_H_
