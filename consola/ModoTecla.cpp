#include "ModoTecla.h"

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
  // Set when the program is continued after a stop; read by reanudado().
  volatile std::sig_atomic_t reanudado = 0;
};

EstadoTerminal
    estado;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

constexpr int kSenales[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};
constexpr int kNumSenales = sizeof(kSenales) / sizeof(kSenales[0]);

// The handlers found on entry, put back on destruction.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
struct sigaction anteriores[kNumSenales];

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
  accion.sa_flags = 0;  // no SA_RESTART: the pause sees its wait cut short
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
    estado.reanudado = 1;
  }
  errno = errnoGuardado;
}

extern "C" void alSalir() { restaurarModo(); }

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
  estado.reanudado = 0;
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

bool ModoTecla::reanudado() {
  const bool reanudado = estado.reanudado != 0;
  estado.reanudado = 0;
  return reanudado;
}

}  // namespace consola
