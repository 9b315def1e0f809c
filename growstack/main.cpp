// growstack: a growable integer queue and stack driven by a numbered menu,
// built with the default sizes or with sizes the user types.

#include <iostream>

#include "Cola.h"
#include "Pila.h"
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

// A number read until it lies in minimo..maximo; `aviso` asks again.
int leerEnRango(consola::Entrada& entrada, int minimo, int maximo,
                const char* aviso) {
  int valor = entrada.entero();
  while (valor < minimo || valor > maximo) {
    std::cout << aviso;
    valor = entrada.entero();
  }
  return valor;
}

// Asks whether to keep the default containers; if not, replaces both with
// ones of the size and growth step the user types.
void construir(consola::Entrada& entrada, Cola& c1, Pila& p1) {
  std::cout << "Quieres construirlo por defecto(1) o con parametros(2)? ";
  if (entrada.entero() == 1) {
    return;
  }
  std::cout << "Que tamanio quieres de inicio? ";
  const int tam =
      leerEnRango(entrada, 1, Cola::kTamanioMaximo,
                  "El tamanio de inicio debe estar entre 1 y 1000000: ");
  std::cout << "Que tamanio de crecimiento deseas? ";
  const int cre = leerEnRango(entrada, 0, Cola::kCrecimientoMaximo,
                              "El crecimiento debe estar entre 0 y 1000000: ");
  c1 = Cola(tam, cre);
  p1 = Pila(tam, cre);
}

void escribirListado(const Cola& cola, const Pila& pila) {
  std::cout << "Cola: ";
  cola.mostrar();
  std::cout << std::endl;
  std::cout << "Pila: ";
  pila.mostrar();
  std::cout << std::endl;
}

void dialogo(consola::Sesion& sesion) {
  consola::Entrada& entrada = sesion.entrada();
  Cola c1;
  Pila p1;
  construir(entrada, c1, p1);
  sesion.limpiarPantalla();
  for (Opcion opcion = leerOpcion(sesion); opcion != Opcion::kFin;
       opcion = leerOpcion(sesion)) {
    switch (opcion) {
      case Opcion::kPush: {
        const Contenedor contenedor =
            pedirContenedor(entrada, "Que quieres usar cola(1), pila(2)? ");
        std::cout << "Que numero quieres introducir? ";
        const int numero = entrada.entero();
        std::cout << std::endl;
        const bool guardado = (contenedor == Contenedor::kCola)
                                  ? c1.insertar(numero)
                                  : p1.insertar(numero);
        if (!guardado) {
          std::cout << "No se puede crecer mas: el numero no se ha guardado"
                    << std::endl;
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
  consola::Sesion sesion("growstack");
  try {
    dialogo(sesion);
  } catch (const consola::FinDeEntrada&) {
    return sesion.terminarAlFinDeEntrada();
  } catch (const consola::ErrorDeConsola& error) {
    return sesion.terminarConError(error);
  }
  return sesion.terminar();
}
