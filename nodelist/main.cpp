// nodelist: a singly linked list of integers driven by a numbered menu.

#include <iostream>

#include "Entrada.h"
#include "FinDeEntrada.h"
#include "Lista.h"
#include "Menu.h"
#include "Pantalla.h"

namespace {

enum Opcion {
  kInsertarPrincipio = 1,
  kInsertarFinal = 2,
  kBorrar = 3,
  kBuscar = 4,
  kMostrar = 5,
  kFin = 6
};

constexpr int kUltimaOpcion = kFin;

void escribirMenu() {
  std::cout << "1. INSERTAR NODO PRINCIPIO" << std::endl;
  std::cout << "2. INSERTAR NODO FINAL" << std::endl;
  std::cout << "3. BORRAR UN NODO" << std::endl;
  std::cout << "4. BUSCAR UN NODO" << std::endl;
  std::cout << "5. MOSTRAR LA LISTA" << std::endl;
  std::cout << "6. FIN" << std::endl;
}

int leerDato(consola::Entrada& entrada, const char* pregunta) {
  std::cout << pregunta << std::flush;
  return entrada.entero();
}

void dialogo() {
  consola::Entrada entrada(std::cin, std::cout);
  Lista l1;
  bool enMarcha = true;
  while (enMarcha) {
    escribirMenu();
    const int opcion = consola::leerOpcionDeMenu(
        entrada, kUltimaOpcion,
        "Numero erroneo debe estar comprendido en 1 y 6",
        /*avisoEnSuLinea=*/true);
    switch (opcion) {
      case kInsertarPrincipio:
        l1.insertarPrincipio(leerDato(entrada, "Introduce un dato: "));
        break;
      case kInsertarFinal:
        l1.insertarFinal(leerDato(entrada, "Introduce un dato: "));
        break;
      case kBorrar:
        // Nothing is said about the result, and the menu follows at once.
        l1.borrar(leerDato(entrada, "Que nodo quieres borrar? "));
        continue;
      case kBuscar:
        // The search shows nothing, found or not.
        l1.buscar(leerDato(entrada, "Introduce un dato: "));
        break;
      case kMostrar:
        std::cout << "Lista: " << std::endl;
        l1.mostrar();
        std::cout << std::endl;
        break;
      default:
        enMarcha = false;
        continue;
    }
    consola::pausar();
    consola::limpiarPantalla();
  }
  // Wait for Enter: the first read takes what followed the 6 (its line end),
  // the second waits for the next key. At end of input both return at once.
  std::cin.get();
  std::cin.get();
}

}  // namespace

int main() { return consola::ejecutarDialogo(dialogo); }
