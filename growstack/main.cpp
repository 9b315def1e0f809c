// growstack: una cola y una pila de enteros que crecen al llenarse,
// manejadas con un menú numerado y construidas con los tamaños por defecto o
// con los que teclea el usuario.
//
// Es intencionado: los textos que escribe el programa van sin tildes, sin
// eñes y sin los signos de apertura ¿ y ¡ ("Que tamanio quieres de inicio?").
// Son los textos fijos de su diálogo, y las pruebas comparan la salida del
// programa con ellos byte a byte.

#include <iostream>

#include "Cola.h"
#include "Pila.h"
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

// Lee números hasta obtener uno entre `minimo` y `maximo`; después de cada
// número fuera de rango escribe `aviso` y lee otro.
int leerEnRango(consola::Entrada& respuestas, int minimo, int maximo,
                const char* aviso) {
  int valor = respuestas.entero();
  while (valor < minimo || valor > maximo) {
    std::cout << aviso;
    valor = respuestas.entero();
  }
  return valor;
}

// Pregunta si se quedan los contenedores por defecto; si no, sustituye los
// dos por otros con el tamaño y el crecimiento que teclee el usuario.
void construir(consola::Entrada& respuestas, Cola& c1, Pila& p1) {
  std::cout << "Quieres construirlo por defecto(1) o con parametros(2)? ";
  if (respuestas.entero() == 1) {
    return;
  }
  std::cout << "Que tamanio quieres de inicio? ";
  const int tam =
      leerEnRango(respuestas, 1, Cola::kTamanioMaximo,
                  "El tamanio de inicio debe estar entre 1 y 1000000: ");
  std::cout << "Que tamanio de crecimiento deseas? ";
  const int cre = leerEnRango(respuestas, 0, Cola::kCrecimientoMaximo,
                              "El crecimiento debe estar entre 0 y 1000000: ");
  c1 = Cola(tam, cre);
  p1 = Pila(tam, cre);
}

// Escribe los huecos de cada contenedor, también los vacíos (-1).
void escribirListado(const Cola& cola, const Pila& pila) {
  std::cout << "Cola: ";
  cola.mostrar();
  std::cout << std::endl;
  std::cout << "Pila: ";
  pila.mostrar();
  std::cout << std::endl;
}

// Primero la construcción; luego el menú se repite hasta que se elige FIN, y
// tras cada operación se listan los dos contenedores.
void dialogo(consola::Sesion& sesion) {
  consola::Entrada& respuestas = sesion.respuestas();
  Cola c1;
  Pila p1;
  construir(respuestas, c1, p1);
  sesion.limpiarPantalla();
  for (;;) {
    switch (elegirEnElMenu(sesion)) {
      case Opcion::kPush: {
        const Contenedor contenedor =
            pedirContenedor(respuestas, "Que quieres usar cola(1), pila(2)? ");
        std::cout << "Que numero quieres introducir? ";
        const int numero = respuestas.entero();
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
  consola::Sesion sesion("growstack");
  try {
    dialogo(sesion);
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
