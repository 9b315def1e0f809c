#ifndef CONSOLA_SALIDAESTANDAR_H_
#define CONSOLA_SALIDAESTANDAR_H_

#include <array>
#include <streambuf>

namespace consola {

// El búfer de la salida estándar en una sesión. Aquí está la regla de cuándo
// se escribe la salida: el búfer guarda lo que escribe el programa y solo lo
// escribe, con una sola llamada al sistema, cuando el programa va a esperar.
// Lo vacían (vaciar) EntradaEstandar antes de una lectura que tiene que
// esperar al sistema, Pantalla antes de que la pausa espere su tecla y antes
// de que el intérprete de órdenes escriba por su cuenta, y Sesion al
// terminar. Un fin de línea o un vaciado del flujo (std::endl, std::flush) no
// escriben nada: así cada pantalla aparece entera, y cada pregunta se ve
// antes de que el programa espere su respuesta. Solo un búfer lleno se
// escribe antes.
//
// Una escritura que falla lanza ErrorDeConsola; desde entonces el búfer ya no
// escribe nada y descarta lo que recibe.
class SalidaEstandar : public std::streambuf {
 public:
  SalidaEstandar();
  ~SalidaEstandar() override = default;

  SalidaEstandar(const SalidaEstandar&) = delete;
  SalidaEstandar& operator=(const SalidaEstandar&) = delete;
  SalidaEstandar(SalidaEstandar&&) = delete;
  SalidaEstandar& operator=(SalidaEstandar&&) = delete;

  // Guarda `texto` tras lo que el programa escribió por su flujo.
  void escribir(const char* texto);

  // Escribe todo lo guardado hasta ahora. Lanza ErrorDeConsola si falla.
  void vaciar();

 protected:
  int_type overflow(int_type caracter) override;
  // Un vaciado del flujo (flush o endl): nada que hacer hasta que el
  // programa espere.
  int sync() override;

 private:
  // Cabe cualquier pantalla de estos programas: solo los listados de un
  // contenedor que crece pueden llenarlo antes de una espera.
  static constexpr std::size_t kCapacidad = std::size_t{64} * 1024;

  std::array<char, kCapacidad> datos_;
  // Falló una escritura: ya no se escribe nada.
  bool roto_;
};

}  // namespace consola

#endif  // CONSOLA_SALIDAESTANDAR_H_
