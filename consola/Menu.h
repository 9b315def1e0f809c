#ifndef CONSOLA_MENU_H_
#define CONSOLA_MENU_H_

namespace consola {

class Entrada;

// Reads a menu option the way every menu of these programs does: one answer,
// then the screen is cleared, then, for as long as the answer is no number or
// lies outside 1 to `ultima`, the menu's own range message `aviso` is written
// and the option read again. Neither the menu nor the clear is repeated
// meanwhile. `avisoEnSuLinea` tells whether the message ends its line or the
// user answers on it. Returns the option; throws FinDeEntrada at end of input.
int leerOpcionDeMenu(Entrada& entrada, int ultima, const char* aviso,
                     bool avisoEnSuLinea);

}  // namespace consola

#endif  // CONSOLA_MENU_H_
