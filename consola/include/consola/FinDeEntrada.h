#ifndef CONSOLA_FINDEENTRADA_H_
#define CONSOLA_FINDEENTRADA_H_

#include "consola/FinAnticipado.h"

namespace consola {

// Lo lanzan las lecturas de Entrada que deben dar un valor cuando la entrada
// estándar se ha acabado. No lleva nada más: deshace el diálogo hasta el
// main, que termina la sesión con él (Sesion::terminar).
class FinDeEntrada : public FinAnticipado {
 public:
  FinDeEntrada() : FinAnticipado(Motivo::kFinDeEntrada, 0) {}
};

}  // namespace consola

#endif  // CONSOLA_FINDEENTRADA_H_
