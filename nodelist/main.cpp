// nodelist: una lista simplemente enlazada de enteros manejada con un menú
// numerado.
//
// Es intencionado: los textos que escribe el programa van sin tildes, sin
// eñes y sin los signos de apertura ¿ y ¡ ("Numero erroneo debe estar
// comprendido en 1 y 6"). Son los textos fijos de su diálogo, y las pruebas
// comparan la salida del programa con ellos byte a byte.

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

// Escribe el menú y devuelve la opción elegida, ya dentro del rango.
Opcion elegirEnElMenu(consola::Sesion& sesion) {
  std::cout << "1. INSERTAR NODO PRINCIPIO" << std::endl;
  std::cout << "2. INSERTAR NODO FINAL" << std::endl;
  std::cout << "3. BORRAR UN NODO" << std::endl;
  std::cout << "4. BUSCAR UN NODO" << std::endl;
  std::cout << "5. MOSTRAR LA LISTA" << std::endl;
  std::cout << "6. FIN" << std::endl;
  return consola::leerOpcionYLimpiarPantalla(
      sesion, Opcion::kFin, "Numero erroneo debe estar comprendido en 1 y 6\n");
}

// Hace la pregunta y lee el número de la respuesta.
int leerDato(consola::Entrada& respuestas, const char* pregunta) {
  std::cout << pregunta;
  return respuestas.entero();
}

// Espera un Intro antes de acabar. Es intencionado: la primera lectura se
// lleva lo que seguía al 6 (su salto de línea) y la segunda espera la tecla
// siguiente, y las pruebas comprueban que el programa acaba tras ese Intro y
// no antes. Si la entrada se ha acabado, las dos lecturas vuelven enseguida.
// Usa std::cin.get() directamente porque no lee una respuesta sino un
// carácter cualquiera, que Entrada no sabe leer; funciona porque std::cin lee
// del búfer de la sesión, como todas las lecturas.
void esperarIntro() {
  std::cin.get();
  std::cin.get();
}

// El menú se repite hasta que se elige FIN, que espera un Intro y acaba.
void dialogo(consola::Sesion& sesion) {
  consola::Entrada& respuestas = sesion.respuestas();
  Lista l1;
  for (;;) {
    const Opcion opcion = elegirEnElMenu(sesion);
    switch (opcion) {
      case Opcion::kInsertarPrincipio:
        l1.insertarPrincipio(leerDato(respuestas, "Introduce un dato: "));
        break;
      case Opcion::kInsertarFinal:
        l1.insertarFinal(leerDato(respuestas, "Introduce un dato: "));
        break;
      case Opcion::kBorrar:
        l1.borrar(leerDato(respuestas, "Que nodo quieres borrar? "));
        break;
      case Opcion::kBuscar:
        // La búsqueda no muestra nada, encuentre el dato o no.
        l1.buscar(leerDato(respuestas, "Introduce un dato: "));
        break;
      case Opcion::kMostrar:
        std::cout << "Lista: " << std::endl;
        l1.mostrar();
        std::cout << std::endl;
        break;
      case Opcion::kFin:
        esperarIntro();
        return;
    }
    // Un borrado no dice nada de su resultado: el menú sigue enseguida.
    if (opcion != Opcion::kBorrar) {
      sesion.pausar();
      sesion.limpiarPantalla();
    }
  }
}

}  // namespace

// La sesión, el diálogo y un único punto de salida. El diálogo acaba al
// elegir FIN o se interrumpe con una excepción FinAnticipado (se acabó la
// entrada o falló la consola); en los dos casos, `sesion.terminar()` escribe
// lo que quede pendiente y devuelve el código de salida que corresponde.
int main() {
  consola::Sesion sesion("nodelist");
  try {
    dialogo(sesion);
  } catch (const consola::FinAnticipado& fin) {
    return sesion.terminar(fin);
  }
  return sesion.terminar();
}
