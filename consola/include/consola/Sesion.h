#ifndef CONSOLA_SESION_H_
#define CONSOLA_SESION_H_

#include <memory>

#include "consola/Entrada.h"
#include "consola/ErrorDeConsola.h"
#include "consola/FinAnticipado.h"
#include "consola/FinDeEntrada.h"

namespace consola {

// La consola de una ejecución de un programa: se crea al principio de su main
// y vive hasta que el programa acaba. Mientras vive:
//
// - std::cin lee la entrada estándar a través del búfer de la sesión, el
//   único lector de la entrada estándar, que comparte con la pausa: las
//   respuestas tecleadas antes de una pausa se guardan para las lecturas de
//   después y nunca cuentan como su tecla.
// - std::cout escribe en el búfer de la sesión, que solo sale cuando el
//   programa va a esperar: antes de una lectura que tiene que esperar a la
//   entrada, antes de que la pausa espere su tecla y al terminar la sesión.
//   Un salto de línea o un flush no escriben nada por sí solos, así que cada
//   pantalla sale de una vez, y cada pregunta está fuera antes de esperar su
//   respuesta.
// - Una lectura o una escritura que falla lanza ErrorDeConsola, y las
//   lecturas que deben dar un valor lanzan FinDeEntrada al acabarse la
//   entrada. Los dos son un FinAnticipado: deshacen el diálogo hasta el main,
//   que lo recoge con un solo catch y devuelve lo que dé terminar(fin).
//
// Solo existe una sesión a la vez; los flujos estándar recuperan sus propios
// búferes cuando se destruye.
class Sesion {
 public:
  // `programa` es el nombre del programa, con el que empiezan sus mensajes
  // de error.
  explicit Sesion(const char* programa);
  ~Sesion();

  Sesion(const Sesion&) = delete;
  Sesion& operator=(const Sesion&) = delete;

  // Las respuestas del usuario, leídas de std::cin; el aviso de dato no
  // válido va a std::cout.
  Entrada& respuestas();

  // Los controles de la pantalla (en Windows, "cls" y "pause" del intérprete
  // de órdenes). Borrar: en una terminal con control del cursor, el cursor
  // arriba del todo y la pantalla y su historial borrados; si no, un salto
  // de página. Pausar: escribe "Presione una tecla para continuar . . . ",
  // espera una tecla nueva si la entrada estándar es una terminal y termina
  // la línea.
  void limpiarPantalla();
  void pausar();

  // Los finales. Cada uno escribe lo que queda de la salida y devuelve el
  // estado de salida del programa.
  //
  // El diálogo llegó a su final: 0.
  int terminar();
  // El diálogo se cortó antes:
  // - por el fin de la entrada: primero un salto de línea, para que el
  //   indicador de la shell empiece en una línea nueva; 0.
  // - por un error de la consola: "PROGRAMA: no se puede leer la entrada:
  //   MOTIVO" o "PROGRAMA: no se puede escribir en la salida: MOTIVO" en la
  //   salida de errores, con MOTIVO el texto del sistema para el error; 1.
  int terminar(const FinAnticipado& fin);

 private:
  // Los búferes y los controles de la pantalla que hay detrás de los flujos
  // estándar, fuera de esta cabecera: solo los usa la propia capa de consola.
  struct Partes;

  // Escribe `final` y lo que queda de la salida: 0, o 1 y el mensaje de error
  // si falla.
  int terminarCon(const char* final);
  // Escribe el mensaje del error en la salida de errores: 1.
  int terminarConError(const FinAnticipado& error);

  const char* programa_;
  std::unique_ptr<Partes> partes_;
};

}  // namespace consola

#endif  // CONSOLA_SESION_H_
