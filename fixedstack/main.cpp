// fixedstack: a ten-slot integer queue and stack driven by a numbered menu.

#include <iostream>

#include "ColaFija.h"
#include "PilaFija.h"
#include "consola/Menu.h"
#include "consola/Sesion.h"

namespace {

enum class Opcion { kPush = 1, kPop, kDelete, kFin };

// Which container an answer picks: 1 the queue, any other number the stack.
enum class Contenedor { kCola, kPila };

Opcion leerOpcion(consola::Sesion& sesion) {
  std::cout << "1. PUSH: insertar un elemento" << std::endl;
  std::cout << "2. POP: sacar un elemento" << std::endl;
  std::cout << "3. DELETE: borrar todos los elementos" << std::endl;
  std::cout << "4. FIN" << std::endl;
  return static_cast<Opcion>(consola::leerOpcionYLimpiarPantalla(
      sesion, static_cast<int>(Opcion::kFin),
      "Numero erroneo debe estar comprendido en 1 y 4: ",
      consola::FinDelAviso::kRespuestaEnSuLinea));
}

Contenedor pedirContenedor(consola::Entrada& entrada, const char* pregunta) {
  std::cout << pregunta;
  return entrada.entero() == 1 ? Contenedor::kCola : Contenedor::kPila;
}

void escribirElementos(const int* elementos, int cuantos) {
  for (int i = 0; i < cuantos; ++i) {
    std::cout << elementos[i] << " ";
  }
}

void escribirListado(const ColaFija& cola, const PilaFija& pila) {
  std::cout << "Cola: " << std::endl;
  escribirElementos(cola.getElementos(), ColaFija::kCapacidad);
  std::cout << std::endl << std::endl;
  std::cout << "Pila: " << std::endl;
  escribirElementos(pila.getElementos(), PilaFija::kCapacidad);
  std::cout << std::endl;
}

void dialogo(consola::Sesion& sesion) {
  consola::Entrada& entrada = sesion.entrada();
  ColaFija c1;
  PilaFija p1;
  for (Opcion opcion = leerOpcion(sesion); opcion != Opcion::kFin;
       opcion = leerOpcion(sesion)) {
    switch (opcion) {
      case Opcion::kPush: {
        const Contenedor contenedor =
            pedirContenedor(entrada, "Que quieres usar cola(1), pila(2)? ");
        std::cout << "Que numero quieres introducir? ";
        const int numero = entrada.entero();
        std::cout << std::endl;
        if (contenedor == Contenedor::kCola) {
          c1.insertar(numero);
        } else {
          p1.insertar(numero);
        }
        break;
      }
      case Opcion::kPop:
        if (pedirContenedor(entrada, "Que quieres usar cola(1), pila(2)? ") ==
            Contenedor::kCola) {
          c1.sacar();
        } else {
          p1.sacar();
        }
        break;
      case Opcion::kDelete:
        if (pedirContenedor(entrada, "Que quieres borrar cola(1), pila(2)? ") ==
            Contenedor::kCola) {
          c1.borrar();
        } else {
          p1.borrar();
        }
        break;
      case Opcion::kFin:
        break;  // the loop ends before it comes here
    }
    escribirListado(c1, p1);
    sesion.pausar();
    sesion.limpiarPantalla();
  }
}

}  // namespace

int main() {
  consola::Sesion sesion("fixedstack");
  try {
    dialogo(sesion);
  } catch (const consola::FinDeEntrada&) {
    return sesion.terminarAlFinDeEntrada();
  } catch (const consola::ErrorDeConsola& error) {
    return sesion.terminarConError(error);
  }
  return sesion.terminar();
}
