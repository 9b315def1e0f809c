#ifndef CONSOLA_SESION_H_
#define CONSOLA_SESION_H_

#include <memory>

#include "consola/Entrada.h"
#include "consola/ErrorDeConsola.h"
#include "consola/FinAnticipado.h"
#include "consola/FinDeEntrada.h"

namespace consola {

// La consola de una ejecución de un programa: se crea al principio de `main`
// y vive hasta que el programa acaba. Mientras vive:
//
// - `std::cin` lee la entrada estándar a través del búfer de la sesión, que
//   comparte con la pausa: las respuestas tecleadas antes de una pausa se
//   guardan para las lecturas de después, y ninguna cuenta como la tecla.
// - `std::cout` escribe en el búfer de la sesión, que solo se vuelca a la
//   pantalla cuando el programa va a esperar una respuesta o una tecla, y al
//   terminar (SalidaEstandar.h dice cuándo exactamente). Ni `std::endl` ni
//   `std::flush` escriben nada por sí solos; así cada pantalla aparece de una
//   vez, y cada pregunta ya se ve antes de que el programa espere la
//   respuesta.
// - Una lectura o una escritura que falla lanza ErrorDeConsola, y las
//   lecturas que deben devolver un valor lanzan FinDeEntrada al acabarse la
//   entrada. Las dos clases derivan de FinAnticipado: la excepción se propaga
//   hasta `main`, que la captura con un solo `catch` y devuelve lo que
//   devuelva `terminar(fin)`.
//
// Solo puede existir una sesión a la vez: crear una segunda es un error, que
// las compilaciones de depuración detienen con una aserción. Cuando se
// destruye, los flujos estándar recuperan sus propios búferes.
class Sesion {
 public:
  // `programa` es el nombre del programa, con el que empiezan sus mensajes
  // de error.
  explicit Sesion(const char* programa);
  ~Sesion();

  Sesion(const Sesion&) = delete;
  Sesion& operator=(const Sesion&) = delete;

  // Devuelve las respuestas del usuario, que se leen de `std::cin`; el aviso
  // de dato no válido se escribe en `std::cout`.
  Entrada& respuestas();

  // Borra la pantalla. En un terminal con control del cursor, lleva el cursor
  // arriba del todo y borra la pantalla y su historial; si no, escribe un
  // salto de página. En Windows usa la orden "cls" del intérprete de órdenes.
  void limpiarPantalla();
  // Escribe "Presione una tecla para continuar . . . ", espera una tecla nueva
  // si la entrada estándar es un terminal y termina la línea. En Windows usa
  // la orden "pause" del intérprete de órdenes.
  void pausar();

  // Los dos finales. Cada uno escribe lo que queda de la salida y devuelve el
  // código de salida del programa.
  //
  // Cuando el diálogo llega a su final, devuelve 0.
  int terminar();
  // Cuando el diálogo se interrumpe con una excepción FinAnticipado:
  // - por el fin de la entrada, escribe antes un salto de línea, para que el
  //   indicador del intérprete de órdenes empiece en una línea nueva, y
  //   devuelve 0;
  // - por un error de la consola, escribe en la salida de errores
  //   "PROGRAMA: no se puede leer la entrada: MOTIVO" o "PROGRAMA: no se
  //   puede escribir en la salida: MOTIVO", con MOTIVO la causa del error,
  //   y devuelve 1.
  int terminar(const FinAnticipado& fin);

 private:
  // Los búferes y los controles de la pantalla que hay detrás de los flujos
  // estándar. Se definen en Sesion.cpp porque solo los usa la propia capa de
  // consola.
  struct Partes;

  // Escribe `final` y lo que queda de la salida, y devuelve 0; si la
  // escritura falla, escribe el mensaje de error y devuelve 1.
  int terminarCon(const char* final);
  // Escribe el mensaje del error en la salida de errores y devuelve 1.
  int terminarConError(const FinAnticipado& error);

  const char* programa_;
  std::unique_ptr<Partes> partes_;
};

}  // namespace consola

#endif  // CONSOLA_SESION_H_
