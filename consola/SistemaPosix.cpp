// La plataforma en los sistemas POSIX (Linux, macOS, los BSD): read, write,
// isatty y poll sobre los descriptores, y el modo tecla del terminal con sus
// manejadores de señales.

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "Sistema.h"

namespace consola {
namespace sistema {

// ---------------------------------------------------------------------------
// Lectura y escritura
//
// Un descriptor que otro programa dejó sin bloqueo (O_NONBLOCK: la marca es
// de todos los procesos que lo comparten) no espera: la lectura o la
// escritura que tendría que esperar da EAGAIN. Entonces se espera con poll a
// que esté listo y se sigue, sin perder nada y sin tocar sus marcas.

namespace {

// ¿Se repite la llamada que falló con `error`? Sí si la cortó una señal, y
// si el descriptor no tenía bytes, o sitio, y ya los tiene: `suceso` es
// POLLIN para leer y POLLOUT para escribir.
bool repetir(int error, int descriptor, short suceso) {
  if (error == EINTR) {
    return true;
  }
  if (error != EAGAIN && error != EWOULDBLOCK) {
    return false;
  }
  pollfd sondeo{descriptor, suceso, 0};
  int listos = 0;
  do {
    listos = poll(&sondeo, 1, -1);  // sin plazo, como una llamada que espera
  } while (listos < 0 && errno == EINTR);
  return listos > 0;
}

}  // namespace

Lectura leer(int descriptor, char* destino, std::size_t cuantos) {
  for (;;) {
    const ssize_t leidos = read(descriptor, destino, cuantos);
    if (leidos > 0) {
      return Lectura{static_cast<std::size_t>(leidos), false, 0};
    }
    if (leidos == 0) {
      return Lectura{0, true, 0};
    }
    const int error = errno;
    if (!repetir(error, descriptor, POLLIN)) {
      return Lectura{0, false, error};
    }
  }
}

int escribir(int descriptor, const char* datos, std::size_t cuantos) {
  while (cuantos > 0) {
    const ssize_t escritos = write(descriptor, datos, cuantos);
    if (escritos < 0) {
      const int error = errno;
      if (!repetir(error, descriptor, POLLOUT)) {
        return error;
      }
      continue;
    }
    datos += escritos;
    cuantos -= static_cast<std::size_t>(escritos);
  }
  return 0;
}

bool esTerminal(int descriptor) { return isatty(descriptor) == 1; }

Espera esperarBytes(int descriptor, int esperaMs) {
  pollfd sondeo{descriptor, POLLIN, 0};
  const int listos = poll(&sondeo, 1, esperaMs);
  if (listos == 0) {
    return Espera::kAgotada;
  }
  if (listos < 0 && errno == EINTR) {
    return Espera::kInterrumpida;
  }
  // Listo, o un descriptor que poll no sabe vigilar: la lectura dirá qué hay.
  return Espera::kLista;
}

// ---------------------------------------------------------------------------
// El intérprete de órdenes: no hay ninguno que limpie o pause; la capa lo hace
// por su cuenta.

bool hayInterprete() { return false; }

// Nunca se llama, pues hayInterprete() es falso.
void ejecutarEnInterprete(Orden /*orden*/) {}

// ---------------------------------------------------------------------------
// El modo tecla
//
// Un manejador de señales no recibe más que el número de la señal: lo que
// necesita saber del terminal vive en `estado`, el único estado global de la
// capa. Los manejadores solo hacen llamadas seguras dentro de una señal
// (async-signal-safe).

namespace {

// Las señales que terminan o paran el programa: sus manejadores devuelven
// antes al terminal su modo normal. SIGCONT tiene aparte el suyo, que solo
// avisa a la pausa.
constexpr int kSenales[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};
constexpr int kNumSenales = sizeof(kSenales) / sizeof(kSenales[0]);

struct EstadoTerminal {
  int descriptor = -1;
  termios normal{};  // el modo que había: vuelve por cualquier camino
  termios tecla{};   // el modo en que se lee una pulsación
  volatile std::sig_atomic_t activo = 0;
  // Se pone al continuar el programa; lo lee y lo borra reanudado().
  volatile std::sig_atomic_t reanudado = 0;
  // Los manejadores que había, que vuelven al destruir el ModoTecla.
  struct sigaction anteriores[kNumSenales] {};
  struct sigaction anteriorContinuar {};
};

EstadoTerminal estado;  // NOLINT(*-avoid-non-const-global-variables)

// Mientras vive, no llega ninguna de las señales de arriba, ni SIGCONT: los
// manejadores y el modo se ponen y se quitan de una pieza.
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
  accion.sa_flags = 0;  // sin SA_RESTART: la pausa ve cortada su espera
  sigaction(senal, &accion, nullptr);
}

// Devuelve el modo normal y deja que la señal haga lo suyo: terminar el
// programa o pararlo.
extern "C" void alRecibirSenal(int senal) {
  const int errnoGuardado = errno;
  restaurarModo();
  porDefecto(senal);
  desbloquear(senal);
  static_cast<void>(raise(senal));  // un manejador no tiene a quién avisar
  // Solo una parada vuelve aquí, cuando el programa continúa.
  if (estado.activo != 0) {
    instalar(senal);
    tcsetattr(estado.descriptor, TCSANOW, &estado.tecla);
  }
  errno = errnoGuardado;
}

// El programa continuó de verdad: una parada puede descartarse sin más, como
// en un grupo de procesos huérfano.
extern "C" void alContinuar(int /*senal*/) { estado.reanudado = 1; }

extern "C" void alSalir() { restaurarModo(); }

}  // namespace

ModoTecla::ModoTecla(int descriptor) : activo_(false) {
  termios normal{};
  if (tcgetattr(descriptor, &normal) != 0) {
    return;
  }
  // También exit() devuelve el modo; basta con registrarlo una vez.
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
    // Una señal que ya se ignoraba (SIGHUP bajo nohup) sigue ignorada.
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

}  // namespace sistema
}  // namespace consola
