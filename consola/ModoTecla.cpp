#include "ModoTecla.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace consola {

namespace {

// The signals that end or stop the program, whose handlers put the mode
// back first; SIGCONT, whose handler only tells the pause.
constexpr int kSenales[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};
constexpr int kNumSenales = sizeof(kSenales) / sizeof(kSenales[0]);

// The state the signal handlers need lives here, not in the object, because
// a handler cannot be given any. Only one ModoTecla exists at a time.
struct EstadoTerminal {
  int descriptor = -1;
  termios normal{};  // the mode found on entry, put back on every way out
  termios tecla{};   // the mode a key press is read in
  volatile std::sig_atomic_t activo = 0;
  // Set when the program is continued; read by reanudado().
  volatile std::sig_atomic_t reanudado = 0;
  // The handlers found on entry, put back on destruction.
  struct sigaction anteriores[kNumSenales] {};
  struct sigaction anteriorContinuar {};
};

EstadoTerminal
    estado;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// While alive, none of the signals above is delivered: the handlers and the
// mode are set up and torn down in one piece.
class SenalesBloqueadas {
 public:
  SenalesBloqueadas() {
    sigset_t bloqueo;
    sigemptyset(&bloqueo);
    for (const int senal : kSenales) {
      sigaddset(&bloqueo, senal);
    }
    sigaddset(&bloqueo, SIGCONT);
    sigprocmask(SIG_BLOCK, &bloqueo, &anterior_);
  }
  ~SenalesBloqueadas() { sigprocmask(SIG_SETMASK, &anterior_, nullptr); }

  SenalesBloqueadas(const SenalesBloqueadas&) = delete;
  SenalesBloqueadas& operator=(const SenalesBloqueadas&) = delete;

 private:
  sigset_t anterior_{};
};

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
  }
  errno = errnoGuardado;
}

// A continue really happened (a stop may have been discarded, as for an
// orphaned process group).
extern "C" void alContinuar(int /*senal*/) { estado.reanudado = 1; }

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

  const SenalesBloqueadas bloqueadas;
  for (int i = 0; i < kNumSenales; ++i) {
    sigaction(kSenales[i], nullptr, &estado.anteriores[i]);
    if (estado.anteriores[i].sa_handler != SIG_IGN) {
      instalar(kSenales[i]);
    }
  }
  struct sigaction continuar {};
  continuar.sa_handler = alContinuar;
  sigemptyset(&continuar.sa_mask);
  sigaction(SIGCONT, &continuar, &estado.anteriorContinuar);
  estado.reanudado = 0;
  estado.activo = 1;
  tcsetattr(descriptor, TCSANOW, &estado.tecla);
  activo_ = true;
}

ModoTecla::~ModoTecla() {
  if (!activo_) {
    return;
  }
  const SenalesBloqueadas bloqueadas;
  restaurarModo();
  estado.activo = 0;
  for (int i = 0; i < kNumSenales; ++i) {
    sigaction(kSenales[i], &estado.anteriores[i], nullptr);
  }
  sigaction(SIGCONT, &estado.anteriorContinuar, nullptr);
}

bool ModoTecla::reanudado() {
  const bool reanudado = estado.reanudado != 0;
  estado.reanudado = 0;
  return reanudado;
}

}  // namespace consola
