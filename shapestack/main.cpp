// shapestack: una cola y una pila de hasta diez figuras cada una, manejadas
// con un menú numerado; tras cada operación cada figura guardada se
// describe, se dibuja y se colorea.
//
// Es intencionado: los textos que escribe el programa van sin tildes, sin
// eñes y sin los signos de apertura ¿ y ¡ ("Que color tiene el circulo?"). Son
// los textos fijos de su diálogo, y las pruebas comparan la salida del programa
// con ellos byte a byte.

#include <iostream>
#include <memory>
#include <string>

#include "Circulo.h"
#include "ColaFiguras.h"
#include "Cuadrado.h"
#include "PilaFiguras.h"
#include "consola/Menu.h"
#include "consola/Sesion.h"

namespace {

enum class Opcion { kPush = 1, kPop, kDelete, kFin };

// El contenedor elegido: la respuesta 1 elige la cola; cualquier otro
// número, la pila.
enum class Contenedor { kCola, kPila };

// Solo la respuesta 1 elige un cuadrado.
constexpr int kCuadrado = 1;

// Escribe el menú y devuelve la opción elegida, ya dentro del rango.
Opcion elegirEnElMenu(consola::Sesion& sesion) {
  std::cout << "1. PUSH: insertar un elemento" << std::endl;
  std::cout << "2. POP: sacar un elemento" << std::endl;
  std::cout << "3. DELETE: borrar todos los elementos" << std::endl;
  std::cout << "4. FIN" << std::endl;
  return consola::leerOpcionYLimpiarPantalla(
      sesion, Opcion::kFin, "Numero erroneo debe estar comprendido en 1 y 4\n");
}

// Hace la pregunta y lee a qué contenedor se refiere la respuesta.
Contenedor pedirContenedor(consola::Entrada& respuestas, const char* pregunta) {
  std::cout << pregunta;
  return respuestas.entero() == 1 ? Contenedor::kCola : Contenedor::kPila;
}

// Pregunta si es un cuadrado o un círculo, su color y su tamaño. La figura
// solo se crea cuando están todas las respuestas; quien la recibe es su
// dueño.
std::unique_ptr<Figura> pedirFigura(consola::Entrada& respuestas) {
  std::cout << "Que objeto quieres introducir cuadrado(1) o circulo(2)? ";
  const int tipo = respuestas.entero();
  std::cout << std::endl;
  if (tipo == kCuadrado) {
    std::cout << "Que color tiene el cuadrado? ";
    const std::string color = respuestas.palabra(Figura::kLargoTexto);
    std::cout << "Que lado tiene el cuadrado? ";
    const float lado = respuestas.real();
    return std::make_unique<Cuadrado>(color.c_str(), lado);
  }
  std::cout << "Que color tiene el circulo? ";
  const std::string color = respuestas.palabra(Figura::kLargoTexto);
  std::cout << "Que radio tiene el circulo? ";
  const float radio = respuestas.real();
  return std::make_unique<Circulo>(color.c_str(), radio);
}

// Escribe una pantalla del listado: cada figura, desde el hueco 0 hasta el
// primero vacío, bajo su título; luego un salto de línea, la pausa y el
// borrado. Es una plantilla porque ColaFiguras y PilaFiguras no tienen una
// clase base común; así una sola función sirve para las dos.
template <typename ContenedorDeFiguras>
void escribirPantalla(consola::Sesion& sesion, const char* titulo,
                      const ContenedorDeFiguras& contenedor) {
  for (int i = 0; i < ContenedorDeFiguras::kCapacidad; ++i) {
    const Figura* figura = contenedor.getElemento(i);
    if (figura == nullptr) {
      break;
    }
    std::cout << titulo << " " << i + 1 << ": " << std::endl;
    figura->visualizar();
    figura->dibujar();
    figura->colorear();
    std::cout << std::endl;
  }
  std::cout << std::endl;
  sesion.pausar();
  sesion.limpiarPantalla();
}

// Escribe primero la pantalla de la cola y luego la de la pila.
void escribirListado(consola::Sesion& sesion, const ColaFiguras& cola,
                     const PilaFiguras& pila) {
  escribirPantalla(sesion, "Cola", cola);
  escribirPantalla(sesion, "Pila", pila);
}

// El menú se repite hasta que se elige FIN; tras cada operación se listan
// los dos contenedores.
void dialogo(consola::Sesion& sesion) {
  consola::Entrada& respuestas = sesion.respuestas();
  ColaFiguras c1;
  PilaFiguras p1;
  for (;;) {
    switch (elegirEnElMenu(sesion)) {
      case Opcion::kPush: {
        const Contenedor contenedor =
            pedirContenedor(respuestas, "Que quieres usar cola(1), pila(2)? ");
        std::unique_ptr<Figura> figura = pedirFigura(respuestas);
        if (contenedor == Contenedor::kCola) {
          c1.insertar(std::move(figura));
        } else {
          p1.insertar(std::move(figura));
        }
        sesion.limpiarPantalla();
        break;
      }
      case Opcion::kPop: {
        const Contenedor contenedor =
            pedirContenedor(respuestas, "Que quieres usar cola(1), pila(2)? ");
        sesion.limpiarPantalla();
        // La figura que se saca no se muestra.
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
        sesion.limpiarPantalla();
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
    escribirListado(sesion, c1, p1);
  }
}

}  // namespace

// La sesión, el diálogo y un único punto de salida. El diálogo acaba al
// elegir FIN o se interrumpe con una excepción FinAnticipado (se acabó la
// entrada o falló la consola); en los dos casos, `sesion.terminar()` escribe
// lo que quede pendiente y devuelve el código de salida que corresponde.
int main() {
  consola::Sesion sesion("shapestack");
  try {
    dialogo(sesion);
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
