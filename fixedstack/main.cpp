// fixedstack: una cola y una pila de diez enteros manejadas con un menú
// numerado.
//
// Es intencionado: los textos que escribe el programa van sin tildes, sin
// eñes y sin los signos de apertura ¿ y ¡ ("Que numero quieres introducir?").
// Son los textos fijos de su diálogo, y las pruebas comparan la salida del
// programa con ellos byte a byte.

#include <iostream>

#include "ColaFija.h"
#include "PilaFija.h"
#include "consola/Menu.h"
#include "consola/Sesion.h"

namespace {

enum class Opcion { kPush = 1, kPop, kDelete, kFin };

// El contenedor elegido: la respuesta 1 elige la cola; cualquier otro
// número, la pila.
enum class Contenedor { kCola, kPila };

// Escribe el menú y devuelve la opción elegida, ya dentro del rango.
Opcion elegirEnElMenu(consola::Sesion& sesion) {
  std::cout << "1. PUSH: insertar un elemento" << std::endl;
  std::cout << "2. POP: sacar un elemento" << std::endl;
  std::cout << "3. DELETE: borrar todos los elementos" << std::endl;
  std::cout << "4. FIN" << std::endl;
  return consola::leerOpcionYLimpiarPantalla(
      sesion, Opcion::kFin, "Numero erroneo debe estar comprendido en 1 y 4: ");
}

// Hace la pregunta y lee a qué contenedor se refiere la respuesta.
Contenedor pedirContenedor(consola::Entrada& respuestas, const char* pregunta) {
  std::cout << pregunta;
  return respuestas.entero() == 1 ? Contenedor::kCola : Contenedor::kPila;
}

void escribirElementos(const int* elementos, int cuantos) {
  for (int i = 0; i < cuantos; ++i) {
    std::cout << elementos[i] << " ";
  }
}

// Escribe los diez huecos de cada contenedor, también los vacíos (-1).
void escribirListado(const ColaFija& cola, const PilaFija& pila) {
  std::cout << "Cola: " << std::endl;
  escribirElementos(cola.getElementos(), ColaFija::kCapacidad);
  std::cout << std::endl << std::endl;
  std::cout << "Pila: " << std::endl;
  escribirElementos(pila.getElementos(), PilaFija::kCapacidad);
  std::cout << std::endl;
}

// El menú se repite hasta que se elige FIN; tras cada operación se listan
// los dos contenedores.
void dialogo(consola::Sesion& sesion) {
  consola::Entrada& respuestas = sesion.respuestas();
  ColaFija c1;
  PilaFija p1;
  for (;;) {
    switch (elegirEnElMenu(sesion)) {
      case Opcion::kPush: {
        const Contenedor contenedor =
            pedirContenedor(respuestas, "Que quieres usar cola(1), pila(2)? ");
        std::cout << "Que numero quieres introducir? ";
        const int numero = respuestas.entero();
        std::cout << std::endl;
        if (contenedor == Contenedor::kCola) {
          c1.insertar(numero);
        } else {
          p1.insertar(numero);
        }
        break;
      }
      case Opcion::kPop: {
        const Contenedor contenedor =
            pedirContenedor(respuestas, "Que quieres usar cola(1), pila(2)? ");
        if (contenedor == Contenedor::kCola) {
          c1.sacar();
        } else {
          p1.sacar();
        }
        break;
      }
      case Opcion::kDelete: {
        const Contenedor contenedor = pedirContenedor(
            respuestas, "Que quieres borrar cola(1), pila(2)? ");
        if (contenedor == Contenedor::kCola) {
          c1.borrar();
        } else {
          p1.borrar();
        }
        break;
      }
      case Opcion::kFin:
        return;  // sin listado, pausa ni borrado
    }
    escribirListado(c1, p1);
    sesion.pausar();
    sesion.limpiarPantalla();
  }
}

}  // namespace

// La sesión, el diálogo y un único punto de salida. El diálogo acaba al
// elegir FIN o se interrumpe con una excepción FinAnticipado (se acabó la
// entrada o falló la consola); en los dos casos, `sesion.terminar()` escribe
// lo que quede pendiente y devuelve el código de salida que corresponde.
int main() {
  consola::Sesion sesion("fixedstack");
  try {
    dialogo(sesion);
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
