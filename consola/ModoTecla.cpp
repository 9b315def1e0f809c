#include "ModoTecla.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace consola {

namespace {

// The state the signal handlers need lives here, not in the object, because
// a handler cannot be given any. Only one ModoTecla exists at a time.
struct EstadoTerminal {
  int descriptor = -1;
  termios normal{};  // the mode found on entry, put back on every way out
  termios tecla{};   // the mode a key press is read in
  volatile std::sig_atomic_t activo = 0;
};

EstadoTerminal
    estado;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

constexpr int kSenales[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};
constexpr int kNumSenales = sizeof(kSenales) / sizeof(kSenales[0]);

// The handlers found on entry, put back on destruction.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
struct sigaction anteriores[kNumSenales];

// How long the rest of a key's bytes may take to arrive after its first one.
constexpr int kEsperaRestoMs = 50;

void restaurarModo() {
  if (estado.activo != 0) {
    tcsetattr(estado.descriptor, TCSANOW, &estado.normal);
  }
}

void desbloquear(int senal) {
  sigset_t conjunto;
  sigemptyset(&conjunto);
  sigaddset(&conjunto, senal);
  sigprocmask(SIG_UNBLOCK, &conjunto, nullptr);
}

void porDefecto(int senal) {
  struct sigaction accion {};
  accion.sa_handler = SIG_DFL;
  sigemptyset(&accion.sa_mask);
  sigaction(senal, &accion, nullptr);
}

extern "C" void alRecibirSenal(int senal);

void instalar(int senal) {
  struct sigaction accion {};
  accion.sa_handler = alRecibirSenal;
  sigemptyset(&accion.sa_mask);
  accion.sa_flags = 0;  // no SA_RESTART: the wait sees EINTR and goes on
  sigaction(senal, &accion, nullptr);
}

// Only async-signal-safe calls in here.
extern "C" void alRecibirSenal(int senal) {
  const int errnoGuardado = errno;
  restaurarModo();
  porDefecto(senal);
  desbloquear(senal);
  static_cast<void>(raise(senal));  // a handler has no way to report it
  // Only a stop comes back here, once the program is continued.
  if (estado.activo != 0) {
    instalar(senal);
    tcsetattr(estado.descriptor, TCSANOW, &estado.tecla);
  }
  errno = errnoGuardado;
}

extern "C" void alSalir() { restaurarModo(); }

// Reads one byte, waiting at most `esperaMs` milliseconds (-1: for ever).
// A signal that interrupts the wait (a stop and continue) resumes it.
bool leerByte(unsigned char& byte, int esperaMs) {
  pollfd sondeo{estado.descriptor, POLLIN, 0};
  for (;;) {
    const int listos = poll(&sondeo, 1, esperaMs);
    if (listos < 0 && errno == EINTR) {
      continue;
    }
    if (listos <= 0) {
      return false;
    }
    const ssize_t leidos = read(estado.descriptor, &byte, 1);
    if (leidos < 0 && errno == EINTR) {
      continue;
    }
    return leidos == 1;
  }
}

// After the lead byte of a UTF-8 character: its continuation bytes.
void descartarContinuacion(unsigned char primero) {
  int resto = 0;
  if (primero >= 0xF0) {
    resto = 3;
  } else if (primero >= 0xE0) {
    resto = 2;
  } else if (primero >= 0xC0) {
    resto = 1;
  }
  unsigned char byte = 0;
  while (resto > 0 && leerByte(byte, kEsperaRestoMs)) {
    --resto;
  }
}

// After an ESC: the rest of a CSI (ESC [ ... final) or SS3 (ESC O x)
// sequence, or the one key of an Alt combination, whatever its length.
void descartarSecuencia() {
  unsigned char byte = 0;
  if (!leerByte(byte, kEsperaRestoMs)) {
    return;  // the Esc key alone
  }
  if (byte == 'O') {
    leerByte(byte, kEsperaRestoMs);
  } else if (byte == '[') {
    if (!leerByte(byte, kEsperaRestoMs)) {
      return;  // Alt+[
    }
    if (byte == '[') {
      leerByte(byte, kEsperaRestoMs);  // the Linux console's F1 to F5
      return;
    }
    // Parameter and intermediate bytes lie below 0x40; the final one ends it.
    while (byte < 0x40 && leerByte(byte, kEsperaRestoMs)) {
    }
  } else {
    descartarContinuacion(byte);  // Alt with a multibyte character
  }
}

}  // namespace

ModoTecla::ModoTecla(int descriptor) : activo_(false) {
  termios normal{};
  if (tcgetattr(descriptor, &normal) != 0) {
    return;
  }
  static const bool kRegistrado = std::atexit(alSalir) == 0;
  static_cast<void>(kRegistrado);

  estado.descriptor = descriptor;
  estado.normal = normal;
  estado.tecla = normal;
  estado.tecla.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  estado.tecla.c_cc[VMIN] = 1;
  estado.tecla.c_cc[VTIME] = 0;

  // The handlers go in first, so that no signal finds the key mode set and
  // nothing there to undo it.
  for (int i = 0; i < kNumSenales; ++i) {
    sigaction(kSenales[i], nullptr, &anteriores[i]);
    if (anteriores[i].sa_handler != SIG_IGN) {
      instalar(kSenales[i]);
    }
  }
  estado.activo = 1;
  tcsetattr(descriptor, TCSANOW, &estado.tecla);
  activo_ = true;
}

ModoTecla::~ModoTecla() {
  if (!activo_) {
    return;
  }
  restaurarModo();
  estado.activo = 0;
  for (int i = 0; i < kNumSenales; ++i) {
    sigaction(kSenales[i], &anteriores[i], nullptr);
  }
}

void ModoTecla::esperarTecla() {
  if (!activo_) {
    return;
  }
  unsigned char primero = 0;
  if (!leerByte(primero, -1)) {
    return;
  }
  if (primero == 0x1B) {
    descartarSecuencia();
  } else {
    descartarContinuacion(primero);
  }
}

}  // namespace consola
