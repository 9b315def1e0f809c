#include "consola/Sesion.h"

#include <cassert>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "EntradaEstandar.h"
#include "Pantalla.h"
#include "SalidaEstandar.h"
#include "Sistema.h"

namespace consola {

namespace {

// El motivo de un error de lectura o de escritura, tal como lo escribe el
// mensaje de error.
struct MotivoDeError {
  int codigo;  // el número de error del sistema (errno)
  const char* texto;
};

// Los errores que la consola puede encontrar al leer la entrada estándar o al
// escribir en la salida estándar, con su motivo en castellano. Para cualquier
// otro error se usa el texto de std::strerror en el locale de C, el "C" con
// el que arranca el programa y que la consola no cambia.
constexpr MotivoDeError kMotivos[] = {
    {EISDIR, "Es una carpeta"},
    {ENOSPC, "No queda espacio en el dispositivo"},
    {EPIPE, "Tubería rota"},
    {EBADF, "Descriptor de fichero no válido"},
    {EIO, "Error de entrada/salida"},
    {EFBIG, "Fichero demasiado grande"},
    {EINVAL, "Argumento no válido"},
#ifdef EDQUOT
    {EDQUOT, "Cuota de disco superada"},
#endif
    {ENXIO, "No existe el dispositivo"},
};

// Devuelve el motivo del error `codigo`, en castellano si está en la tabla.
const char* motivoDelError(int codigo) {
  for (const MotivoDeError& motivo : kMotivos) {
    if (motivo.codigo == codigo) {
      return motivo.texto;
    }
  }
  return std::strerror(codigo);
}

}  // namespace

struct Sesion::Partes {
  Partes()
      : entrada(salida),
        pantalla(entrada, salida),
        cinAnterior(std::cin.rdbuf(&entrada)),
        coutAnterior(std::cout.rdbuf(&salida)),
        excepcionesCin(std::cin.exceptions()),
        excepcionesCout(std::cout.exceptions()),
        respuestas(std::cin, std::cout) {
    // Si std::cin ya leía del búfer de otra sesión, habría dos a la vez.
    assert(dynamic_cast<EntradaEstandar*>(cinAnterior) == nullptr &&
           "solo puede existir una Sesion a la vez");
    // Los flujos dejan pasar lo que lanzan sus búferes, ErrorDeConsola, en
    // lugar de guardarlo como un estado de error que nadie mira.
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
  EntradaEstandar entrada;  // escribe `salida` antes de esperar
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
  // Lo que aún se guarda se escribe aunque `main` no haya terminado la
  // sesión; si falla, ya no queda nadie a quien decírselo.
  try {
    partes_->salida.vaciar();
  } catch (const ErrorDeConsola&) {
  }
}

Entrada& Sesion::respuestas() { return partes_->respuestas; }

void Sesion::limpiarPantalla() { partes_->pantalla.limpiar(); }

void Sesion::pausar() { partes_->pantalla.pausar(); }

int Sesion::terminar() { return terminarCon(""); }

int Sesion::terminar(const FinAnticipado& fin) {
  if (fin.motivo() == FinAnticipado::Motivo::kFinDeEntrada) {
    return terminarCon("\n");
  }
  return terminarConError(fin);
}

int Sesion::terminarCon(const char* final) {
  try {
    partes_->salida.escribir(final);
    partes_->salida.vaciar();
  } catch (const ErrorDeConsola& error) {
    return terminarConError(error);
  }
  return 0;
}

int Sesion::terminarConError(const FinAnticipado& error) {
  const char* que = error.motivo() == FinAnticipado::Motivo::kErrorDeEntrada
                        ? ": no se puede leer la entrada: "
                        : ": no se puede escribir en la salida: ";
  const std::string mensaje =
      std::string(programa_) + que + motivoDelError(error.codigo()) + "\n";
  // Si también falla la salida de errores, no se puede hacer nada más.
  static_cast<void>(
      sistema::escribir(sistema::kErrores, mensaje.data(), mensaje.size()));
  return 1;
}

}  // namespace consola
