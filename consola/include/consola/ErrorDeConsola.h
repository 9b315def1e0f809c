#ifndef CONSOLA_ERRORDECONSOLA_H_
#define CONSOLA_ERRORDECONSOLA_H_

#include "consola/FinAnticipado.h"

namespace consola {

// Se lanza cuando no se puede leer la entrada estándar o escribir en la
// salida estándar (un descriptor cerrado, una carpeta como entrada, un disco
// lleno, una tubería sin lector). Si el programa no puede leer lo que teclea
// el usuario o no puede escribirle, el diálogo no puede seguir: como
// FinDeEntrada, la excepción se propaga hasta `main`, que termina la sesión
// con el error (`Sesion::terminar`).
class ErrorDeConsola : public FinAnticipado {
 public:
  // `motivo` es kErrorDeEntrada o kErrorDeSalida, y `codigo`, el número de
  // error del sistema (errno).
  ErrorDeConsola(Motivo motivo, int codigo) : FinAnticipado(motivo, codigo) {}
};

}  // namespace consola

#endif  // CONSOLA_ERRORDECONSOLA_H_
