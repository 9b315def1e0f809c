#include "consola/Sesion.h"

#include <cstring>
#include <iostream>
#include <string>

#include "EntradaEstandar.h"
#include "Pantalla.h"
#include "SalidaEstandar.h"
#include "Sistema.h"

namespace consola {

struct Sesion::Partes {
  Partes()
      : entrada(salida),
        pantalla(entrada, salida),
        cinAnterior(std::cin.rdbuf(&entrada)),
        coutAnterior(std::cout.rdbuf(&salida)),
        excepcionesCin(std::cin.exceptions()),
        excepcionesCout(std::cout.exceptions()),
        respuestas(std::cin, std::cout) {
    // The streams pass on what their buffers throw, ErrorDeConsola, instead
    // of keeping it as a bad state that nobody looks at.
    std::cin.exceptions(std::ios::badbit);
    std::cout.exceptions(std::ios::badbit);
  }

  ~Partes() {
    std::cin.exceptions(excepcionesCin);
    std::cout.exceptions(excepcionesCout);
    std::cin.rdbuf(cinAnterior);
    std::cout.rdbuf(coutAnterior);
  }

  Partes(const Partes&) = delete;
  Partes& operator=(const Partes&) = delete;
  Partes(Partes&&) = delete;
  Partes& operator=(Partes&&) = delete;

  SalidaEstandar salida;
  EntradaEstandar entrada;  // writes `salida` out before it waits
  Pantalla pantalla;
  std::streambuf* cinAnterior;
  std::streambuf* coutAnterior;
  std::ios::iostate excepcionesCin;
  std::ios::iostate excepcionesCout;
  Entrada respuestas;
};

Sesion::Sesion(const char* programa)
    : programa_(programa), partes_(std::make_unique<Partes>()) {}

Sesion::~Sesion() {
  // Whatever is still held goes out even if main never ended the session;
  // there is nobody left to tell of a failure.
  try {
    partes_->salida.vaciar();
  } catch (const ErrorDeConsola&) {
  }
}

Entrada& Sesion::entrada() { return partes_->respuestas; }

void Sesion::limpiarPantalla() { partes_->pantalla.limpiar(); }

void Sesion::pausar() { partes_->pantalla.pausar(); }

int Sesion::terminar() { return terminarCon(""); }

int Sesion::terminarAlFinDeEntrada() { return terminarCon("\n"); }

int Sesion::terminarCon(const char* final) {
  try {
    partes_->salida.escribir(final);
    partes_->salida.vaciar();
  } catch (const ErrorDeConsola& error) {
    return terminarConError(error);
  }
  return 0;
}

int Sesion::terminarConError(const ErrorDeConsola& error) {
  const char* que = error.flujo() == ErrorDeConsola::Flujo::kEntrada
                        ? ": no se puede leer la entrada: "
                        : ": no se puede escribir en la salida: ";
  const std::string mensaje =
      std::string(programa_) + que + std::strerror(error.codigo()) + "\n";
  // Nothing more can be done if standard error fails too.
  static_cast<void>(
      sistema::escribir(sistema::kErrores, mensaje.data(), mensaje.size()));
  return 1;
}

}  // namespace consola
