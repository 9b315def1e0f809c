#ifndef CONSOLA_FINANTICIPADO_H_
#define CONSOLA_FINANTICIPADO_H_

namespace consola {

// Lo que corta un diálogo antes de su final: se acabó la entrada
// (FinDeEntrada) o la consola falló (ErrorDeConsola). Se lanza una de esas dos
// clases; el main la recoge con un solo catch de esta base y se la pasa a
// Sesion::terminar, que da la salida y el estado que corresponden a cada
// motivo. Así ningún programa puede olvidar uno de los dos finales.
//
// Solo sirve para deshacer el diálogo hasta el main: por el camino se
// destruyen sus objetos y no se hace lo que quedaba a medio contestar.
class FinAnticipado {
 public:
  enum class Motivo {
    kFinDeEntrada,    // la entrada estándar se acabó
    kErrorDeEntrada,  // no se pudo leer la entrada estándar
    kErrorDeSalida,   // no se pudo escribir en la salida estándar
  };

  Motivo motivo() const { return motivo_; }
  // El número de error del sistema; 0 en el fin de la entrada.
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
