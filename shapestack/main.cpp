// shapestack: a queue and a stack of up to ten shapes each, driven by a
// numbered menu; after every action each held shape describes, draws and
// colours itself.

#include <iostream>
#include <memory>
#include <string>

#include "Circulo.h"
#include "ColaFiguras.h"
#include "Cuadrado.h"
#include "Entrada.h"
#include "FinDeEntrada.h"
#include "Menu.h"
#include "Pantalla.h"
#include "PilaFiguras.h"

namespace {

enum Opcion { kPush = 1, kPop = 2, kDelete = 3, kFin = 4 };

constexpr int kUltimaOpcion = kFin;

// Only answer 1 picks the queue, and only answer 1 picks a square.
constexpr int kCola = 1;
constexpr int kCuadrado = 1;

void escribirMenu() {
  std::cout << "1. PUSH: insertar un elemento" << std::endl;
  std::cout << "2. POP: sacar un elemento" << std::endl;
  std::cout << "3. DELETE: borrar todos los elementos" << std::endl;
  std::cout << "4. FIN" << std::endl;
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
template <typename Contenedor>
void escribirPantalla(const char* titulo, const Contenedor& contenedor) {
  for (int i = 0; i < Contenedor::kCapacidad; ++i) {
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
  consola::pausar();
  consola::limpiarPantalla();
}

void escribirListado(const ColaFiguras& cola, const PilaFiguras& pila) {
  escribirPantalla("Cola", cola);
  escribirPantalla("Pila", pila);
}

void dialogo() {
  consola::Entrada entrada(std::cin, std::cout);
  bool enMarcha = true;
  ColaFiguras c1;
  PilaFiguras p1;
  while (enMarcha) {
    escribirMenu();
    const int opcion = consola::leerOpcionDeMenu(
        entrada, kUltimaOpcion,
        "Numero erroneo debe estar comprendido en 1 y 4",
        /*avisoEnSuLinea=*/true);
    if (opcion == kFin) {
      enMarcha = false;
      continue;
    }
    if (opcion == kPush) {
      std::cout << "Que quieres usar cola(1), pila(2)? ";
      const int contenedor = entrada.entero();
      std::unique_ptr<Figura> figura = pedirFigura(entrada);
      if (contenedor == kCola) {
        c1.insertar(std::move(figura));
      } else {
        p1.insertar(std::move(figura));
      }
      consola::limpiarPantalla();
    } else if (opcion == kPop) {
      std::cout << "Que quieres usar cola(1), pila(2)? ";
      const int contenedor = entrada.entero();
      consola::limpiarPantalla();
      // The copy of the shape that leaves is not shown.
      if (contenedor == kCola) {
        c1.sacar();
      } else {
        p1.sacar();
      }
    } else {
      std::cout << "Que quieres borrar cola(1), pila(2)? ";
      const int contenedor = entrada.entero();
      consola::limpiarPantalla();
      if (contenedor == kCola) {
        c1.borrar();
      } else {
        p1.borrar();
      }
    }
    escribirListado(c1, p1);
  }
}

}  // namespace

int main() { return consola::ejecutarDialogo(dialogo); }
