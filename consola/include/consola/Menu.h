#ifndef CONSOLA_MENU_H_
#define CONSOLA_MENU_H_

namespace consola {

class Sesion;

// How a menu's range message ends: the user answers on its line, or it is a
// line of its own.
enum class FinDelAviso { kRespuestaEnSuLinea, kLineaPropia };

// Reads a menu option the way every menu of these programs does: one answer,
// then the screen is cleared, then, for as long as the answer is no number or
// lies outside 1 to `ultima`, the menu's own range message `aviso` is written
// and the option read again. Neither the menu nor the clear is repeated
// meanwhile. Returns the option; throws FinDeEntrada at end of input.
int leerOpcionYLimpiarPantalla(Sesion& sesion, int ultima, const char* aviso,
                               FinDelAviso finDelAviso);

}  // namespace consola

#endif  // CONSOLA_MENU_H_
