// fixedstack: a ten-slot integer queue and stack driven by a numbered menu.

#include <iostream>

#include "ColaFija.h"
#include "Entrada.h"
#include "FinDeEntrada.h"
#include "Menu.h"
#include "Pantalla.h"
#include "PilaFija.h"

namespace {

enum Opcion { kPush = 1, kPop = 2, kDelete = 3, kFin = 4 };

constexpr int kUltimaOpcion = kFin;

void escribirMenu() {
  std::cout << "1. PUSH: insertar un elemento" << std::endl;
  std::cout << "2. POP: sacar un elemento" << std::endl;
  std::cout << "3. DELETE: borrar todos los elementos" << std::endl;
  std::cout << "4. FIN" << std::endl;
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

void dialogo() {
  consola::Entrada entrada(std::cin, std::cout);
  bool enMarcha = true;
  ColaFija c1;
  PilaFija p1;
  while (enMarcha) {
    escribirMenu();
    const int opcion = consola::leerOpcionDeMenu(
        entrada, kUltimaOpcion,
        "Numero erroneo debe estar comprendido en 1 y 4: ",
        /*avisoEnSuLinea=*/false);
    if (opcion == kFin) {
      enMarcha = false;
      continue;
    }
    if (opcion == kPush) {
      std::cout << "Que quieres usar cola(1), pila(2)? ";
      const int contenedor = entrada.entero();
      std::cout << "Que numero quieres introducir? ";
      const int numero = entrada.entero();
      std::cout << std::endl;
      if (contenedor == 1) {
        c1.insertar(numero);
      } else {
        p1.insertar(numero);
      }
    } else if (opcion == kPop) {
      std::cout << "Que quieres usar cola(1), pila(2)? ";
      if (entrada.entero() == 1) {
        c1.sacar();
      } else {
        p1.sacar();
      }
    } else {
      std::cout << "Que quieres borrar cola(1), pila(2)? ";
      if (entrada.entero() == 1) {
        c1.borrar();
      } else {
        p1.borrar();
      }
    }
    escribirListado(c1, p1);
    consola::pausar();
    consola::limpiarPantalla();
  }
}

}  // namespace

int main() { return consola::ejecutarDialogo(dialogo); }
