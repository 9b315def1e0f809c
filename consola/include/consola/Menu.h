#ifndef CONSOLA_MENU_H_
#define CONSOLA_MENU_H_

#include <type_traits>

namespace consola {

class Sesion;

namespace detalle {

// La lectura de leerOpcionYLimpiarPantalla, con la opción como número. Los
// programas no la llaman: llaman a la plantilla, con su propio tipo.
int leerNumeroDeOpcion(Sesion& sesion, int ultima, const char* aviso);

}  // namespace detalle

// Lee la opción de un menú como la leen todos los menús de estos programas:
// lee una respuesta y borra la pantalla; después, mientras la respuesta no
// sea un número de 1 a `ultima`, escribe `aviso` y lee otra. Ni el menú ni el
// borrado se repiten mientras tanto. Una respuesta que no es un número se
// descarta con el resto de su línea.
//
// `aviso` se escribe exactamente como se pasa: si el aviso acaba en un salto
// de línea, el salto va dentro del texto ("...\n").
//
// `Opcion` es el tipo enumerado de las opciones del programa, numeradas desde
// 1, y `ultima` es la mayor. Devuelve la opción elegida; lanza FinDeEntrada
// al acabarse la entrada.
template <typename Opcion>
Opcion leerOpcionYLimpiarPantalla(Sesion& sesion, Opcion ultima,
                                  const char* aviso) {
  static_assert(std::is_enum<Opcion>::value,
                "las opciones de un menú son un tipo enumerado");
  return static_cast<Opcion>(
      detalle::leerNumeroDeOpcion(sesion, static_cast<int>(ultima), aviso));
}

}  // namespace consola

#endif  // CONSOLA_MENU_H_
