// shapestack: a queue and a stack of up to ten shapes each, driven by a
// numbered menu; after every action each held shape describes, draws and
// colours itself.

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

// Which container an answer picks: 1 the queue, any other number the stack.
enum class Contenedor { kCola, kPila };

// Only answer 1 picks a square.
constexpr int kCuadrado = 1;

Opcion leerOpcion(consola::Sesion& sesion) {
  std::cout << "1. PUSH: insertar un elemento" << std::endl;
  std::cout << "2. POP: sacar un elemento" << std::endl;
  std::cout << "3. DELETE: borrar todos los elementos" << std::endl;
  std::cout << "4. FIN" << std::endl;
  return static_cast<Opcion>(consola::leerOpcionYLimpiarPantalla(
      sesion, static_cast<int>(Opcion::kFin),
      "Numero erroneo debe estar comprendido en 1 y 4",
      consola::FinDelAviso::kLineaPropia));
}

Contenedor pedirContenedor(consola::Entrada& entrada, const char* pregunta) {
  std::cout << pregunta;
  return entrada.entero() == 1 ? Contenedor::kCola : Contenedor::kPila;
}

// Asks for a square or a circle and its colour and size. The shape is made
// only once every answer is in, and is handed back owned.
std::unique_ptr<Figura> pedirFigura(consola::Entrada& entrada) {
  std::cout << "Que objeto quieres introducir cuadrado(1) o circulo(2)? ";
  const int tipo = entrada.entero();
  std::cout << std::endl;
  if (tipo == kCuadrado) {
    std::cout << "Que color tiene el cuadrado? ";
    const std::string color = entrada.palabra(Figura::kLargoTexto);
    std::cout << "Que lado tiene el cuadrado? ";
    const float lado = entrada.real();
    return std::make_unique<Cuadrado>(color.c_str(), lado);
  }
  std::cout << "Que color tiene el circulo? ";
  const std::string color = entrada.palabra(Figura::kLargoTexto);
  std::cout << "Que radio tiene el circulo? ";
  const float radio = entrada.real();
  return std::make_unique<Circulo>(color.c_str(), radio);
}

// One listing screen: each shape from slot 0 to the first empty slot under
// its heading, then a line end, the pause and the clear.
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

void escribirListado(consola::Sesion& sesion, const ColaFiguras& cola,
                     const PilaFiguras& pila) {
  escribirPantalla(sesion, "Cola", cola);
  escribirPantalla(sesion, "Pila", pila);
}

void dialogo(consola::Sesion& sesion) {
  consola::Entrada& entrada = sesion.entrada();
  ColaFiguras c1;
  PilaFiguras p1;
  for (Opcion opcion = leerOpcion(sesion); opcion != Opcion::kFin;
       opcion = leerOpcion(sesion)) {
    switch (opcion) {
      case Opcion::kPush: {
        const Contenedor contenedor =
            pedirContenedor(entrada, "Que quieres usar cola(1), pila(2)? ");
        std::unique_ptr<Figura> figura = pedirFigura(entrada);
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
            pedirContenedor(entrada, "Que quieres usar cola(1), pila(2)? ");
        sesion.limpiarPantalla();
        // The copy of the shape that leaves is not shown.
        if (contenedor == Contenedor::kCola) {
          c1.sacar();
        } else {
          p1.sacar();
        }
        break;
      }
      case Opcion::kDelete: {
        const Contenedor contenedor =
            pedirContenedor(entrada, "Que quieres borrar cola(1), pila(2)? ");
        sesion.limpiarPantalla();
        if (contenedor == Contenedor::kCola) {
          c1.borrar();
        } else {
          p1.borrar();
        }
        break;
      }
      case Opcion::kFin:
        break;  // the loop ends before it comes here
    }
    escribirListado(sesion, c1, p1);
  }
}

}  // namespace

int main() {
  consola::Sesion sesion("shapestack");
  try {
    dialogo(sesion);
  } catch (const consola::FinDeEntrada&) {
    return sesion.terminarAlFinDeEntrada();
  } catch (const consola::ErrorDeConsola& error) {
    return sesion.terminarConError(error);
  }
  return sesion.terminar();
}
