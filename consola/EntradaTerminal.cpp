#include "EntradaTerminal.h"

#include <iostream>

#ifndef _WIN32
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace consola {

namespace {

// The one in place; the pause finds it here.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
EntradaTerminal* enUso = nullptr;

// One read from the terminal takes at most one line in line mode.
constexpr std::size_t kBloque = 4096;

}  // namespace

EntradaTerminal::EntradaTerminal() : fin_(false), anterior_(nullptr) {
#ifndef _WIN32
  if (enUso == nullptr && isatty(STDIN_FILENO) == 1) {
    anterior_ = std::cin.rdbuf(this);
    enUso = this;
  }
#endif
}

EntradaTerminal::~EntradaTerminal() {
  if (anterior_ != nullptr) {
    std::cin.rdbuf(anterior_);
    enUso = nullptr;
  }
}

EntradaTerminal* EntradaTerminal::activa() { return enUso; }

void EntradaTerminal::adelantar() {
  while (leer(false)) {
  }
}

EntradaTerminal::int_type EntradaTerminal::underflow() {
  if (gptr() == egptr()) {
    datos_.clear();
    setg(nullptr, nullptr, nullptr);
    if (fin_ || !leer(true)) {
      return traits_type::eof();
    }
  }
  return traits_type::to_int_type(*gptr());
}

bool EntradaTerminal::leer(bool esperar) {
#ifdef _WIN32
  static_cast<void>(esperar);
  return false;
#else
  if (fin_) {
    return false;
  }
  pollfd sondeo{STDIN_FILENO, POLLIN, 0};
  char bloque[kBloque];
  ssize_t leidos = -1;
  do {
    if (!esperar && poll(&sondeo, 1, 0) <= 0) {
      return false;
    }
    leidos = read(STDIN_FILENO, bloque, sizeof bloque);
  } while (leidos < 0 && errno == EINTR);
  if (leidos <= 0) {
    fin_ = true;
    return false;
  }
  // Keep the unread bytes, add the new ones after them, and point the get
  // area at all of them again: the string may have moved.
  const std::size_t usados =
      (gptr() == nullptr) ? 0 : static_cast<std::size_t>(gptr() - eback());
  datos_.erase(0, usados);
  datos_.append(bloque, static_cast<std::size_t>(leidos));
  char* inicio = datos_.data();
  setg(inicio, inicio, inicio + datos_.size());
  return true;
#endif
}

}  // namespace consola
