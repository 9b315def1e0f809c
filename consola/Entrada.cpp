#include "consola/Entrada.h"

#include <istream>
#include <limits>
#include <ostream>

#include "consola/FinDeEntrada.h"

namespace consola {

namespace {

constexpr const char* kDatoNoValido = "Dato no valido, introduce un numero: ";

}  // namespace

Entrada::Entrada(std::istream& entrada, std::ostream& salida)
    : entrada_(entrada), salida_(salida) {}

template <typename T>
bool Entrada::intentar(T& valor, bool& fin) {
  // Only blanks and line ends left: the input has ended. Anything else is an
  // answer, good or bad, even when the end of input cuts it short.
  fin = !(entrada_ >> std::ws) || entrada_.eof();
  if (fin) {
    return false;
  }
  T leido{};
  if (entrada_ >> leido) {
    valor = leido;
    return true;
  }
  entrada_.clear();
  entrada_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return false;
}

template <typename T>
bool Entrada::leerNumero(T& valor) {
  bool fin = false;
  while (!intentar(valor, fin)) {
    if (fin) {
      return false;
    }
    salida_ << kDatoNoValido << std::flush;
  }
  return true;
}

bool Entrada::leerEntero(int& valor) { return leerNumero(valor); }

bool Entrada::leerReal(float& valor) { return leerNumero(valor); }

bool Entrada::leerPalabra(std::string& palabra) {
  std::string leida;
  if (!(entrada_ >> leida)) {
    return false;
  }
  palabra = std::move(leida);
  return true;
}

int Entrada::entero() {
  int valor = 0;
  if (!leerEntero(valor)) {
    throw FinDeEntrada();
  }
  return valor;
}

float Entrada::real() {
  float valor = 0;
  if (!leerReal(valor)) {
    throw FinDeEntrada();
  }
  return valor;
}

std::string Entrada::palabra() {
  std::string valor;
  if (!leerPalabra(valor)) {
    throw FinDeEntrada();
  }
  return valor;
}

std::optional<int> Entrada::opcion() {
  int valor = 0;
  bool fin = false;
  if (intentar(valor, fin)) {
    return valor;
  }
  if (fin) {
    throw FinDeEntrada();
  }
  return std::nullopt;
}

}  // namespace consola
