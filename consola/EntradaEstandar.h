#ifndef CONSOLA_ENTRADAESTANDAR_H_
#define CONSOLA_ENTRADAESTANDAR_H_

#include <streambuf>
#include <vector>

#include "Sistema.h"

namespace consola {

class SalidaEstandar;

// El único lector de la entrada estándar en una sesión: todo byte que se toma
// de ella pasa por este búfer, ya sean las respuestas (es el búfer de
// std::cin), las respuestas escritas por adelantado en un terminal antes de
// una pausa o la tecla de la pausa.
//
// Antes de una lectura que tenga que esperar al sistema, vacía la salida
// (la regla está en SalidaEstandar.h).
//
// Una marca de orden de bytes UTF-8 al mismo principio de la entrada se
// salta. El final de la entrada es definitivo: una vez encontrado, toda
// lectura posterior lo vuelve a encontrar. Una lectura que falla lanza
// ErrorDeConsola.
class EntradaEstandar : public std::streambuf {
 public:
  // Cómo terminó la espera de la tecla de la pausa.
  enum class Tecla {
    kPulsada,  // una pulsación, con todos sus bytes consumidos
    kNinguna,  // se acabó el tiempo o antes llegó una señal; no se leyó nada
    kFin,      // se acabó la entrada
  };

  explicit EntradaEstandar(SalidaEstandar& salida);
  ~EntradaEstandar() override = default;

  EntradaEstandar(const EntradaEstandar&) = delete;
  EntradaEstandar& operator=(const EntradaEstandar&) = delete;
  EntradaEstandar(EntradaEstandar&&) = delete;
  EntradaEstandar& operator=(EntradaEstandar&&) = delete;

  // Para la pausa propia de la capa en un terminal.
  //
  // adelantar() toma cada byte que la entrada estándar entrega sin esperar y
  // lo guarda, tras los que aún no se han leído, para las lecturas que
  // vengan: es lo que el usuario escribió por adelantado. Se detiene en un
  // final de la entrada, que queda entonces tras esos bytes, y descarta lo
  // escrito después de ese final.
  //
  // esperarTecla() espera como mucho `esperaMs` milisegundos una pulsación
  // nueva en un terminal en modo tecla y consume todos sus bytes: una
  // secuencia de escape (una flecha, una tecla de función, Alt con una tecla)
  // o un carácter de varios bytes cuenta como una sola pulsación. La tecla no
  // se guarda para las lecturas.
  void adelantar();
  Tecla esperarTecla(int esperaMs);

 protected:
  // Lo que llama std::cin cuando ha tomado todos los bytes de la zona de
  // lectura: trae más, o da el final de la entrada.
  int_type underflow() override;

 private:
  // Añade a los bytes sin leer lo que dé una lectura del sistema, que espera
  // si aún no hay nada que leer. Devuelve false al final de la entrada.
  bool leer();

  // Examina lo que dio una lectura del sistema: lanza ErrorDeConsola si hubo
  // un error y anota el final de la entrada. Devuelve true si llegaron
  // bytes.
  bool aceptar(const sistema::Lectura& lectura);

  // Lee un byte de una tecla; lo espera como mucho `esperaMs` milisegundos.
  // Devuelve false si no llega a tiempo o se acaba la entrada.
  bool leerByte(unsigned char& byte, int esperaMs);
  void descartarContinuacion(unsigned char primero);
  void descartarSecuencia();

  // Salta la marca de orden de bytes en cuanto han llegado bytes suficientes
  // para saber si la entrada empieza por una.
  void decidirMarca();

  // Apunta la zona de lectura del búfer a los bytes sin leer; no entrega
  // ninguno mientras no se sepa cómo empieza la entrada.
  void mostrar(std::size_t desde);

  // Lo leído de la entrada estándar, con la zona de lectura dentro. Guarda un
  // bloque o, tras una pausa, lo que el usuario escribió por adelantado.
  std::vector<char> datos_;
  // Se acabó la entrada.
  bool fin_;
  // Aún no se ha mirado si los primeros bytes de la entrada son la marca.
  bool alPrincipio_;
  SalidaEstandar& salida_;
};

}  // namespace consola

#endif  // CONSOLA_ENTRADAESTANDAR_H_
