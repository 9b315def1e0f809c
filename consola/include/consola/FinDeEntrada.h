#ifndef CONSOLA_FINDEENTRADA_H_
#define CONSOLA_FINDEENTRADA_H_

#include "consola/FinAnticipado.h"

namespace consola {

// La lanzan las lecturas de Entrada que deben devolver un valor cuando la
// entrada estándar se ha acabado. No lleva más datos: se propaga hasta `main`,
// que la captura y termina la sesión con ella (`Sesion::terminar`).
class FinDeEntrada : public FinAnticipado {
 public:
  FinDeEntrada() : FinAnticipado(Motivo::kFinDeEntrada, 0) {}
};

}  // namespace consola

#endif  // CONSOLA_FINDEENTRADA_H_
