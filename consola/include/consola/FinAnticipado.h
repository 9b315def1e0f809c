#ifndef CONSOLA_FINANTICIPADO_H_
#define CONSOLA_FINANTICIPADO_H_

namespace consola {

// Lo que interrumpe un diálogo antes de su final: se acabó la entrada
// (FinDeEntrada) o falló la consola (ErrorDeConsola). Se lanza siempre una de
// esas dos clases derivadas; `main` captura las dos con un solo `catch` de
// esta clase base y se la pasa a `Sesion::terminar`, que escribe lo que
// corresponde a cada motivo y devuelve el código de salida. Así ningún
// programa puede olvidar uno de los dos finales.
//
// Solo sirve para salir del diálogo y volver a `main`: mientras la excepción
// se propaga se destruyen los objetos locales de cada función que abandona, y
// la operación que quedaba a medio contestar no se hace.
class FinAnticipado {
 public:
  enum class Motivo {
    kFinDeEntrada,    // la entrada estándar se acabó
    kErrorDeEntrada,  // no se pudo leer la entrada estándar
    kErrorDeSalida,   // no se pudo escribir en la salida estándar
  };

  // Devuelve por qué se interrumpió el diálogo.
  Motivo motivo() const { return motivo_; }
  // Devuelve el número de error del sistema (errno), o 0 en el fin de la
  // entrada.
  int codigo() const { return codigo_; }

 protected:
  // Solo las dos clases derivadas la construyen.
  FinAnticipado(Motivo motivo, int codigo) : motivo_(motivo), codigo_(codigo) {}

 private:
  Motivo motivo_;
  int codigo_;
};

}  // namespace consola

#endif  // CONSOLA_FINANTICIPADO_H_
