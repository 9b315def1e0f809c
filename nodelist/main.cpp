// nodelist: a singly linked list of integers driven by a numbered menu.

#include <iostream>

#include "Lista.h"
#include "consola/Menu.h"
#include "consola/Sesion.h"

namespace {

enum class Opcion {
  kInsertarPrincipio = 1,
  kInsertarFinal,
  kBorrar,
  kBuscar,
  kMostrar,
  kFin
};

Opcion leerOpcion(consola::Sesion& sesion) {
  std::cout << "1. INSERTAR NODO PRINCIPIO" << std::endl;
  std::cout << "2. INSERTAR NODO FINAL" << std::endl;
  std::cout << "3. BORRAR UN NODO" << std::endl;
  std::cout << "4. BUSCAR UN NODO" << std::endl;
  std::cout << "5. MOSTRAR LA LISTA" << std::endl;
  std::cout << "6. FIN" << std::endl;
  return static_cast<Opcion>(consola::leerOpcionYLimpiarPantalla(
      sesion, static_cast<int>(Opcion::kFin),
      "Numero erroneo debe estar comprendido en 1 y 6",
      consola::FinDelAviso::kLineaPropia));
}

int leerDato(consola::Entrada& entrada, const char* pregunta) {
  std::cout << pregunta;
  return entrada.entero();
}

void dialogo(consola::Sesion& sesion) {
  consola::Entrada& entrada = sesion.entrada();
  Lista l1;
  for (Opcion opcion = leerOpcion(sesion); opcion != Opcion::kFin;
       opcion = leerOpcion(sesion)) {
    switch (opcion) {
      case Opcion::kInsertarPrincipio:
        l1.insertarPrincipio(leerDato(entrada, "Introduce un dato: "));
        break;
      case Opcion::kInsertarFinal:
        l1.insertarFinal(leerDato(entrada, "Introduce un dato: "));
        break;
      case Opcion::kBorrar:
        l1.borrar(leerDato(entrada, "Que nodo quieres borrar? "));
        break;
      case Opcion::kBuscar:
        // The search shows nothing, found or not.
        l1.buscar(leerDato(entrada, "Introduce un dato: "));
        break;
      case Opcion::kMostrar:
        std::cout << "Lista: " << std::endl;
        l1.mostrar();
        std::cout << std::endl;
        break;
      case Opcion::kFin:
        break;  // the loop ends before it comes here
    }
    // A deletion says nothing about its result: the menu follows at once.
    if (opcion != Opcion::kBorrar) {
      sesion.pausar();
      sesion.limpiarPantalla();
    }
  }
  // Wait for Enter: the first read takes what followed the 6 (its line end),
  // the second waits for the next key. At end of input both return at once.
  std::cin.get();
  std::cin.get();
}

}  // namespace

int main() {
  consola::Sesion sesion("nodelist");
  try {
    dialogo(sesion);
  } catch (const consola::FinDeEntrada&) {
    return sesion.terminarAlFinDeEntrada();
  } catch (const consola::ErrorDeConsola& error) {
    return sesion.terminarConError(error);
  }
  return sesion.terminar();
}
