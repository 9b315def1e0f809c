// growstack: a growable integer queue and stack driven by a numbered menu,
// built with the default sizes or with sizes the user types.

#include <iostream>

#include "Cola.h"
#include "Entrada.h"
#include "FinDeEntrada.h"
#include "Menu.h"
#include "Pantalla.h"
#include "Pila.h"

namespace {

enum Opcion { kPush = 1, kPop = 2, kDelete = 3, kFin = 4 };

constexpr int kUltimaOpcion = kFin;

void escribirMenu() {
  std::cout << "1. PUSH: insertar un elemento" << std::endl;
  std::cout << "2. POP: sacar un elemento" << std::endl;
  std::cout << "3. DELETE: borrar todos los elementos" << std::endl;
  std::cout << "4. FIN" << std::endl;
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

void dialogo() {
  consola::Entrada entrada(std::cin, std::cout);
  bool enMarcha = true;
  Cola c1;
  Pila p1;
  construir(entrada, c1, p1);
  consola::limpiarPantalla();
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
      const bool guardado =
          (contenedor == 1) ? c1.insertar(numero) : p1.insertar(numero);
      if (!guardado) {
        std::cout << "No se puede crecer mas: el numero no se ha guardado"
                  << std::endl;
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
