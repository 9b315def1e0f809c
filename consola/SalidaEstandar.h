#ifndef CONSOLA_SALIDAESTANDAR_H_
#define CONSOLA_SALIDAESTANDAR_H_

#include <array>
#include <streambuf>

namespace consola {

// El búfer de la salida estándar en una sesión: guarda lo que escribe el
// programa hasta que este va a esperar, y entonces lo escribe con una sola
// llamada al sistema (vaciar). Un fin de línea o un vaciado del flujo no
// escriben nada, para que cada pantalla salga entera; solo un búfer lleno
// sale antes.
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
