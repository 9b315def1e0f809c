// fixedstack: una cola y una pila de diez enteros manejadas con un menú
// numerado.

#include <iostream>

#include "ColaFija.h"
#include "PilaFija.h"
#include "consola/Menu.h"
#include "consola/Sesion.h"

namespace {

enum class Opcion { kPush = 1, kPop, kDelete, kFin };

// El contenedor que elige una respuesta: 1 la cola, cualquier otro número la
// pila.
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

// Los diez huecos de cada contenedor, también los vacíos (-1).
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

// La sesión, el diálogo y una sola salida. El diálogo acaba al elegir FIN, o
// se corta antes con un FinAnticipado (se acabó la entrada o falló la
// consola); en cada caso la sesión termina con la salida y el estado que
// tocan.
int main() {
  consola::Sesion sesion("fixedstack");
  try {
    dialogo(sesion);
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
